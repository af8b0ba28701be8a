// SPDX-License-Identifier: MIT
// The page's one polite live region. What a screen reader should hear without focus moving
// (what a click changed, the handler the code view marks) is said through here, so that the
// reader gets each sentence once and in order, and no other element on the page is live.

class Announcer {
    constructor() {
        this.element = document.createElement("div");
        this.element.id = "announcer";
        this.element.className = "visually-hidden";
        this.element.setAttribute("aria-live", "polite");
        this.element.setAttribute("aria-atomic", "true");
        document.body.append(this.element);
        /** @type {string[]} what is to be said on the next frame */
        this.pending = [];
    }

    /**
     * Says a sentence. Sentences said in the same frame (the handler the code view marks, then
     * what the click changed) are said together, in order, rather than the last replacing the
     * rest. The same sentence twice in a row is said twice: the region is emptied first and
     * filled on the next frame, which readers take as a new change.
     * @param {string} sentence
     */
    say(sentence) {
        if (sentence === "") return;
        this.pending.push(sentence);
        if (this.pending.length > 1) return;
        this.element.textContent = "";
        requestAnimationFrame(() => {
            this.element.textContent = this.pending.join("。");
            this.pending = [];
        });
    }
}

/** @type {Announcer | null} */
let pageAnnouncer = null;

/** Says a sentence through the page's live region, made on first use. */
function announce(/** @type {string} */ sentence) {
    if (pageAnnouncer === null) pageAnnouncer = new Announcer();
    pageAnnouncer.say(sentence);
}
