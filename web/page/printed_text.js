// SPDX-License-Identifier: MIT
// The text a program prints on its window: one element with the log role, under the controls,
// covering the whole client area. Text arrives as what was added since the last change, so a
// screen reader announces only the new lines; the element's name is always the whole text.

class PrintedText {
    /** @param {HTMLElement} client  the window's client area */
    constructor(client) {
        this.element = document.createElement("div");
        this.element.className = "printed";
        this.element.setAttribute("role", "log");
        this.element.setAttribute("aria-label", "");
        /** @type {string} */
        this.text = "";
        client.prepend(this.element);
    }

    /**
     * @param {boolean} cleared   Cls: everything printed is erased
     * @param {string} appended   text added at the end (line breaks end lines)
     */
    update(cleared, appended) {
        if (cleared) {
            this.text = "";
            this.element.replaceChildren();
        }
        if (appended !== "") {
            this.text += appended;
            this.element.append(appended);
        }
        this.element.setAttribute("aria-label", this.text);
    }
}
