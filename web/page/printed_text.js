// SPDX-License-Identifier: MIT
// The text a program prints on its window: one element with the log role, under the controls,
// covering the whole client area. Text arrives as what was added since the last change and is
// appended as it is, so a screen reader announces only the new lines and a line costs the same
// however much was printed before.

class PrintedText {
    /** @param {HTMLElement} client  the window's client area */
    constructor(client) {
        this.element = document.createElement("div");
        this.element.className = "printed";
        this.element.setAttribute("role", "log");
        client.prepend(this.element);
    }

    /**
     * @param {boolean} cleared   Cls: everything printed is erased
     * @param {string} appended   text added at the end (line breaks end lines)
     */
    update(cleared, appended) {
        if (cleared) this.element.replaceChildren();
        if (appended !== "") this.element.append(appended);
    }
}
