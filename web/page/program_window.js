// SPDX-License-Identifier: MIT
// A program's window: a frame with its caption and icon, and a client area of the described
// size holding the printed text and one element per control at its described place, in its
// described font and colours. Clicks and typing go to the program through the callbacks.

/**
 * @typedef {{face: string, points: number, weight: number}} FontDescription
 * @typedef {{text: string, enabled: boolean, fore: number}} ControlState
 * @typedef {{name: string, kind: "label" | "textbox" | "button", left: number, top: number,
 *            width: number, height: number, font: FontDescription, align: string, back: number,
 *            maxLength: number, state: ControlState, labelledBy?: string, accessibleName?: string,
 *            inputMode?: "numeric"}} ControlDescription
 * @typedef {{caption: string, width: number, height: number, font: FontDescription,
 *            controls: ControlDescription[], readingOrder: number[]}} FormDescription
 * @typedef {{click: (name: string) => Promise<void>, typed: (name: string, text: string) => void,
 *            close: () => void, code: () => void}} WindowCallbacks
 */

/** CSS pixels for a length in twips: 15 twips to the pixel, as on the desktop at 96 dpi. */
function pixels(/** @type {number} */ twips) {
    return Math.floor((twips + 7) / 15);
}

/** A colour given as 0x00BBGGRR, in CSS. */
function cssColor(/** @type {number} */ bgr) {
    return `rgb(${bgr & 0xff}, ${(bgr >> 8) & 0xff}, ${(bgr >> 16) & 0xff})`;
}

/**
 * Sets an element's font as the desktop does: the Song face at the point size rounded to
 * whole pixels at 96 dpi.
 * @param {HTMLElement} element
 * @param {FontDescription} font
 */
function applyFont(element, font) {
    element.style.fontFamily = font.face === "宋体" ? "var(--song)" : `"${font.face}", var(--song)`;
    element.style.fontSize = Math.round((font.points * 96) / 72) + "px";
    element.style.fontWeight = String(font.weight);
}

/** The side of the square a finger can hit, in CSS pixels. */
const TOUCH_TARGET = 44;

class ProgramWindow {
    /**
     * @param {FormDescription} form
     * @param {Element | null} icon   the program's icon, drawn in the title bar
     * @param {WindowCallbacks} callbacks
     */
    constructor(form, icon, callbacks) {
        this.callbacks = callbacks;
        /** @type {Map<string, HTMLElement>} */
        this.controls = new Map();
        /** @type {HTMLElement[]} controls that take focus, in tab order */
        this.tabOrder = [];
        /** @type {Set<HTMLElement>} the controls the running click changed */
        this.changed = new Set();

        this.element = document.createElement("section");
        this.element.className = "window";
        this.element.tabIndex = -1;
        const titleBar = document.createElement("div");
        titleBar.className = "titlebar";
        if (icon !== null) {
            icon.setAttribute("width", "16");
            icon.setAttribute("height", "16");
            titleBar.append(icon);
        }
        const caption = document.createElement("span");
        caption.className = "caption";
        caption.id = "window-caption";
        caption.textContent = form.caption;
        const close = document.createElement("button");
        close.type = "button";
        close.className = "close";
        close.textContent = "×";
        close.setAttribute("aria-label", "关闭");
        close.addEventListener("click", () => callbacks.close());
        // The program's own code, in a panel beside the window (code_view.js).
        this.codeButton = document.createElement("button");
        this.codeButton.type = "button";
        this.codeButton.className = "code";
        this.codeButton.textContent = "代码";
        this.codeButton.setAttribute("aria-expanded", "false");
        this.codeButton.addEventListener("click", () => callbacks.code());
        titleBar.append(caption, this.codeButton, close);
        this.element.setAttribute("role", "region");
        this.element.setAttribute("aria-labelledby", caption.id);

        this.client = document.createElement("div");
        this.client.className = "client";
        this.client.setAttribute("data-client-area", "");
        this.client.style.width = pixels(form.width) + "px";
        this.client.style.height = pixels(form.height) + "px";
        applyFont(this.client, form.font);
        this.printedText = new PrintedText(this.client);
        for (const control of form.controls) this.addControl(control);
        for (const control of form.controls) this.nameControl(control);
        // The elements stand in reading order, so a screen reader reads the window top to
        // bottom, each value after its label; Tab keeps the described order.
        this.client.append(...form.readingOrder.map((i) => this.elementOf(form.controls[i])));
        for (const [i, control] of this.tabOrder.entries()) control.tabIndex = i + 1;
        this.changed.clear();
        this.element.append(titleBar, this.client);
    }

    /** @param {ControlDescription} d */
    addControl(d) {
        /** @type {HTMLElement} */
        let element;
        if (d.kind === "button") {
            const button = document.createElement("button");
            button.type = "button";
            button.addEventListener("click", () => this.callbacks.click(d.name));
            element = button;
            this.tabOrder.push(button);
        } else if (d.kind === "textbox") {
            const input = document.createElement("input");
            input.type = "text";
            input.autocomplete = "off";
            input.spellcheck = false;
            if (d.maxLength > 0) input.maxLength = d.maxLength;
            if (d.inputMode !== undefined) input.inputMode = d.inputMode;
            input.addEventListener("input", () => {
                if (d.maxLength > 0) keepWithin(input, d.maxLength);
                this.callbacks.typed(d.name, input.value);
            });
            element = input;
            this.tabOrder.push(input);
        } else {
            // A label that shows a value another label describes (the balance beside 当前筹码)
            // is read right after that label, as the reading order places it. A plain block, not
            // an <output>: that is live, and what a click changed is said once, by the announcer.
            element = document.createElement("div");
            if (d.back >= 0) element.style.background = cssColor(d.back);
        }
        element.className = d.kind;
        element.id = "control-" + d.name;
        element.setAttribute("data-control", d.name);
        element.style.left = pixels(d.left) + "px";
        element.style.top = pixels(d.top) + "px";
        element.style.width = pixels(d.width) + "px";
        element.style.height = pixels(d.height) + "px";
        // Buttons centre their captions; labels and boxes align as described.
        if (d.kind !== "button") element.style.textAlign = d.align;
        applyFont(element, d.font);
        this.controls.set(d.name, element);
        this.controlChanged(d.name, d.state);
    }

    /** @param {ControlDescription} d */
    elementOf(d) {
        const element = this.controls.get(d.name);
        if (element === undefined) throw new Error("no element for " + d.name);
        return element;
    }

    /**
     * Accessible names from the description: a text box named by the label that describes it,
     * or by its own short name. A value label needs no name: it is read right after its label,
     * which naming it by that label would have read twice.
     * @param {ControlDescription} d
     */
    nameControl(d) {
        const element = this.controls.get(d.name);
        if (element === undefined || d.kind === "label") return;
        if (d.labelledBy !== undefined && this.controls.has(d.labelledBy)) {
            element.setAttribute("aria-labelledby", "control-" + d.labelledBy);
        } else if (d.accessibleName !== undefined) {
            element.setAttribute("aria-label", d.accessibleName);
        }
    }

    /**
     * @param {string} name
     * @param {ControlState} state
     */
    controlChanged(name, state) {
        const element = this.controls.get(name);
        if (element === undefined) return;
        const shown = element instanceof HTMLInputElement ? element.value : element.textContent;
        if (shown !== state.text) this.changed.add(element);
        if (element instanceof HTMLInputElement) {
            if (element.value !== state.text) element.value = state.text;
        } else {
            element.textContent = state.text;
        }
        // Only labels take a text colour; buttons keep theirs, grey when disabled.
        if (element instanceof HTMLButtonElement) element.disabled = !state.enabled;
        else if (!(element instanceof HTMLInputElement)) element.style.color = cssColor(state.fore);
    }

    /**
     * After a handler: if it disabled the control that had focus, focus moves on to the next
     * enabled control in tab order (wrapping around), or to the window when none is left.
     * @param {Element | null} hadFocus
     */
    keepFocus(hadFocus) {
        if (!(hadFocus instanceof HTMLElement)) return;
        const from = this.tabOrder.indexOf(hadFocus);
        if (from < 0 || !(hadFocus instanceof HTMLButtonElement && hadFocus.disabled)) return;
        for (let step = 1; step <= this.tabOrder.length; ++step) {
            const next = this.tabOrder[(from + step) % this.tabOrder.length];
            if (!(next instanceof HTMLButtonElement && next.disabled)) {
                next.focus();
                return;
            }
        }
        this.element.focus();
    }

    /**
     * After a click: what it changed (captions, printed lines) is scrolled into view, its top
     * first, so that a tap on a phone shows its answer. Nothing moves when all of it is in view.
     */
    revealChanges() {
        if (this.printedText.updated) {
            // The printed text fills the client area; its lines are what to show.
            const printed = this.printedText.element;
            const first = printed.querySelector("div > div");
            const last = printed.lastElementChild?.lastElementChild;
            if (first instanceof HTMLElement) this.changed.add(first);
            if (last instanceof HTMLElement) this.changed.add(last);
            this.printedText.updated = false;
        }
        const changed = [...this.changed].filter((element) => element.isConnected);
        this.changed.clear();
        if (changed.length === 0) return;
        const top = (/** @type {HTMLElement} */ element) => element.getBoundingClientRect().top;
        const bottom = (/** @type {HTMLElement} */ element) => element.getBoundingClientRect().bottom;
        const lowest = changed.reduce((a, b) => (bottom(b) > bottom(a) ? b : a));
        const highest = changed.reduce((a, b) => (top(b) < top(a) ? b : a));
        lowest.scrollIntoView({ block: "nearest", inline: "nearest" });
        highest.scrollIntoView({ block: "nearest", inline: "nearest" });
    }

    /**
     * Zooms the window down to the screen's width, as far as it takes: every box, button and
     * answer stays on screen with its described layout, and pinch zoom enlarges it. CSS zoom
     * lays the text out again at the smaller size, so it stays sharp; a browser without it
     * (Firefox before 126) gets a scaled drawing in a box of the scaled size instead. Touch
     * targets grow by the inverse, so that they stay a finger's size on screen.
     */
    fit() {
        const zoomable = CSS.supports("zoom", "0.5");
        this.element.style.setProperty(zoomable ? "zoom" : "transform", zoomable ? "1" : "none");
        const width = this.element.offsetWidth;
        const height = this.element.offsetHeight;
        const room = document.documentElement.clientWidth - 16;
        const zoom = Math.min(1, room / width);
        this.element.style.setProperty("--touch-target", `${TOUCH_TARGET / zoom}px`);
        if (zoomable) {
            this.element.style.setProperty("zoom", String(zoom));
            return;
        }
        this.element.style.transformOrigin = "0 0";
        this.element.style.transform = `scale(${zoom})`;
        this.element.style.marginRight = `${width * (zoom - 1)}px`;
        this.element.style.marginBottom = `${height * (zoom - 1)}px`;
    }
}
