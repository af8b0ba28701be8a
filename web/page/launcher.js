// SPDX-License-Identifier: MIT
// The launcher and the page's routes: the list of programs, and `#name` in the address for a
// program's window (`#name/代码` for the window with its code beside it). Closing the window
// returns to the launcher.
//
// A handler waiting in a dialog keeps its window: closing it, or an address change, takes
// effect once the handler has finished; Back (the address leaving the program) ends the dialog
// as Escape would and stays, as Back closes a dialog on a phone, so a game is not lost by it.

/** A card's 复制链接 button, and what it shows for a moment after copying or failing to. */
const COPY_TEXT = "复制链接";
const COPIED_TEXT = "已复制";
const COPY_FAILED_TEXT = "未能复制";
const COPY_FEEDBACK_MS = 2000;

/** What the page says when the programs' module has failed and was started again. */
const FAILURE_TITLE = "出错了";
const FAILURE_TEXT = "程序出了故障，已重新打开。";

/** @typedef {{name: string, title: string}} ProgramEntry */

/** What an address adds after a program's name to show its code as well: #orvane/代码. */
const CODE_ADDRESS = "/代码";

/** The programs of programs.tsv, written into the page by the build. */
const PROGRAMS = PROGRAM_ENTRIES;

/** @returns {HTMLElement} */
function byId(/** @type {string} */ id) {
    const element = document.getElementById(id);
    if (element === null) throw new Error("the page has no #" + id);
    return element;
}

/**
 * Decodes the base64 the page embeds its WebAssembly as: natively where the browser can
 * (Uint8Array.fromBase64), else through atob.
 * @param {string} text
 */
function embeddedBytes(text) {
    const native = /** @type {{fromBase64?: (text: string) => Uint8Array}} */ (/** @type {unknown} */ (Uint8Array));
    if (native.fromBase64) return native.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
}

/**
 * Puts a text on the clipboard: through the Clipboard API, or where a browser has none for
 * the page, by copying a selected text as Ctrl+C would.
 * @param {string} text
 * @returns {Promise<boolean>} whether it was copied
 */
async function copyText(text) {
    try {
        await navigator.clipboard.writeText(text);
        return true;
    } catch {
        const field = document.createElement("textarea");
        field.value = text;
        field.className = "visually-hidden";
        document.body.append(field);
        field.select();
        const copied = document.execCommand("copy");
        field.remove();
        return copied;
    }
}

/**
 * A copy of the program's icon as the launcher shows it.
 * @param {string} name
 * @returns {Element | null}
 */
function iconOf(name) {
    const icon = document.querySelector(`#program-list a[data-program="${name}"] svg`);
    return icon === null ? null : /** @type {Element} */ (icon.cloneNode(true));
}

class Page {
    constructor() {
        this.launcher = byId("launcher");
        this.desktop = byId("desktop");
        /** @type {ProgramRunner | null} */
        this.runner = null;
        /** @type {ProgramEntry | null} */
        this.opening = null;
        /** @type {ProgramEntry | null} */
        this.shown = null;
        /** @type {Uint8Array} the programs' module, kept to start it again after a failure */
        this.wasm = new Uint8Array();
        /** @type {CodePanel | null} the shown window's code view */
        this.code = null;
    }

    async start() {
        const about = /** @type {HTMLDialogElement} */ (byId("about"));
        byId("about-button").addEventListener("click", () => about.showModal());
        for (const button of document.querySelectorAll("#program-list button.copy-link"))
            button.addEventListener("click", () => void this.copyLink(/** @type {HTMLButtonElement} */ (button)));
        // The launcher needs no program: it is ready while the programs' module still loads,
        // and a program chosen meanwhile opens as soon as the module is there.
        window.addEventListener("hashchange", () => this.addressChanged());
        // A held key repeats: Enter presses a button once, as on the desktop, and does not go
        // on to the buttons that focus moves to.
        document.addEventListener("keydown", (event) => {
            if (event.repeat && event.key === "Enter") {
                event.preventDefault();
                event.stopPropagation();
            }
        }, true);
        // F2 opens and closes the code beside the window; not while a handler waits in a dialog.
        document.addEventListener("keydown", (event) => {
            if (event.key !== "F2" || this.code === null || this.runner?.busy !== false) return;
            event.preventDefault();
            this.code.toggle();
        });
        if (location.hash.length <= 1) this.showLauncher();
        this.wasm = embeddedBytes(byId("module-wasm").textContent ?? "");
        this.runner = await this.startRunner();
        window.addEventListener("resize", () => this.runner?.window?.fit());
        if (location.hash.length > 1) this.route();
    }

    startRunner() {
        return ProgramRunner.start(this.wasm, {
            showWindow: (form) => this.showWindow(form),
            failed: (error) => void this.restart(error),
        });
    }

    /**
     * The module failed (a trap leaves it in an unknown state): the page says so, starts it
     * afresh and opens the address's program again.
     * @param {unknown} error
     */
    async restart(error) {
        console.error("the programs' module failed:", error);
        if (this.runner === null) return;  // already starting again
        const owner = this.runner.window?.element ?? document.body;
        this.runner = null;
        await showMessageBox(FAILURE_TEXT, ERROR_STYLE, FAILURE_TITLE, owner);
        this.shown = null;
        this.runner = await this.startRunner();
        this.route();
    }

    /** The address after its #, decoded; null when malformed (#%E0). */
    address() {
        try {
            return decodeURIComponent(location.hash.slice(1));
        } catch {
            return null;
        }
    }

    /** The program the address names, or null for the launcher. */
    addressedProgram() {
        const address = this.address();
        const name = address?.endsWith(CODE_ADDRESS) ? address.slice(0, -CODE_ADDRESS.length) : address;
        return PROGRAMS.find((program) => program.name === name) ?? null;
    }

    /** Whether the address asks for the program's code too. */
    addressShowsCode() {
        return this.address()?.endsWith(CODE_ADDRESS) ?? false;
    }

    addressChanged() {
        const runner = this.runner;
        if (runner === null) return;
        if (runner.busy && this.shown !== null && this.addressedProgram() !== this.shown) {
            // Back while a dialog is open: the window stays, at its address, and the dialog ends.
            history.pushState(null, "", "#" + this.shown.name + (this.code?.shown ? CODE_ADDRESS : ""));
            cancelOpenBox();
            return;
        }
        runner.whenFree(() => this.route());
    }

    /** Shows what the address asks for: a program's window, or the launcher. */
    route() {
        const runner = this.runner;
        if (runner === null) return;
        const entry = this.addressedProgram();
        if (runner.window !== null && entry === this.shown) {
            if (this.addressShowsCode()) this.code?.open(false);
            else this.code?.close();
            return;
        }
        const closed = this.shown;
        this.shown = null;
        this.code = null;
        if (runner.window !== null) {
            runner.window.element.remove();
            runner.close();
        }
        if (entry === null) {
            this.showLauncher();
            // Focus goes back to the closed program's card, as it does in a list on the desktop.
            const card = closed === null ? null : document.querySelector(`#program-list a[data-program="${closed.name}"]`);
            if (card instanceof HTMLElement) card.focus();
            return;
        }
        this.opening = entry;
        if (runner.open(entry.name) !== 0) {
            console.error("cannot start " + entry.name);
            this.showLauncher();
        }
    }

    showLauncher() {
        document.documentElement.classList.remove("opening");
        this.desktop.hidden = true;
        this.launcher.hidden = false;
        document.title = "教学小程序";
        void this.markReady(this.launcher);
    }

    /**
     * Copies the address that opens a card's program (this page with `#name`) and says so.
     * @param {HTMLButtonElement} button
     */
    async copyLink(button) {
        const link = new URL("#" + (button.dataset.program ?? ""), location.href).href;
        const copied = await copyText(link);
        button.textContent = copied ? COPIED_TEXT : COPY_FAILED_TEXT;
        announce(copied ? "已复制链接" : "未能复制链接");
        setTimeout(() => { button.textContent = COPY_TEXT; }, COPY_FEEDBACK_MS);
    }

    /** @param {FormDescription} form */
    showWindow(form) {
        const runner = this.runner;
        const entry = this.opening;
        if (runner === null || entry === null) return;
        const programWindow = new ProgramWindow(form, iconOf(entry.name), {
            click: (name) => {
                if (!runner.busy) code.handlerStarts(name);
                return runner.click(name);
            },
            typed: (name, text) => runner.typed(name, text),
            close: () => runner.whenFree(() => {
                // Leaving the hash would keep a "#" in the address; the launcher's own address
                // is the page's.
                history.pushState(null, "", location.pathname + location.search);
                this.route();
            }),
            code: () => code.toggle(),
        });
        // Opened or closed by the user, the view is in the address, so a link hands out both.
        const code = new CodePanel(entry.name, programWindow, (shown) =>
            history.replaceState(null, "", "#" + entry.name + (shown ? CODE_ADDRESS : "")));
        this.code = code;
        runner.window = programWindow;
        this.shown = entry;
        this.launcher.hidden = true;
        this.desktop.hidden = false;
        this.desktop.replaceChildren(programWindow.element);
        document.title = form.caption + " - 教学小程序";
        programWindow.fit();
        const first = programWindow.tabOrder.find((c) => !(c instanceof HTMLButtonElement && c.disabled));
        (first ?? programWindow.element).focus();
        if (this.addressShowsCode()) code.open(false);
        void this.markReady(programWindow.element);
    }

    /**
     * Marks an element `data-ready` once the web font is loaded and a frame with it is drawn.
     * @param {HTMLElement} element
     */
    async markReady(element) {
        await document.fonts.load('16px "UMing Subset"');
        await document.fonts.ready;
        await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
        if (element.isConnected) element.setAttribute("data-ready", "");
    }
}

new Page().start().catch((error) => console.error(error));
