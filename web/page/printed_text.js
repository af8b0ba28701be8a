// SPDX-License-Identifier: MIT
// The text a program prints on its window: one element under the controls, covering the whole
// client area. It is not live: the page's announcer says what a click printed, summed up where
// it is long (a figure of 120 asterisks is not read out one by one). Text arrives as what was
// added since the last change and is appended as it is. Each line is a block of its own, in
// groups of LINES_PER_GROUP: a new line is laid out with its group, not with the whole text,
// so a line costs about the same however much was printed before.

const LINES_PER_GROUP = 100;

class PrintedText {
    /** @param {HTMLElement} client  the window's client area */
    constructor(client) {
        this.element = document.createElement("div");
        this.element.className = "printed";
        client.prepend(this.element);
        /** @type {HTMLElement | null} the line in progress */
        this.line = null;
        /** @type {HTMLElement | null} the group new lines go to */
        this.group = null;
        /** Set by every update; the window clears it once it has shown the new text. */
        this.updated = false;
    }

    /**
     * @param {boolean} cleared   Cls: everything printed is erased
     * @param {string} appended   text added at the end (line breaks end lines)
     */
    update(cleared, appended) {
        this.updated = true;
        if (cleared) {
            this.element.replaceChildren();
            this.line = null;
            this.group = null;
        }
        const pieces = appended.split("\n");
        for (const [i, piece] of pieces.entries()) {
            const ended = i < pieces.length - 1;
            const text = ended ? piece + "\n" : piece;
            if (text === "") continue;
            if (this.line === null) {
                if (this.group === null || this.group.childElementCount === LINES_PER_GROUP) {
                    this.group = document.createElement("div");
                    this.element.append(this.group);
                }
                this.line = document.createElement("div");
                this.group.append(this.line);
            }
            this.line.append(text);
            if (ended) this.line = null;
        }
    }
}
