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
    }

    /**
     * Says a sentence. The same sentence twice in a row is said twice: the region is emptied
     * first and filled on the next frame, which readers take as a new change.
     * @param {string} sentence
     */
    say(sentence) {
        this.element.textContent = "";
        if (sentence === "") return;
        requestAnimationFrame(() => {
            this.element.textContent = sentence;
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
