// SPDX-License-Identifier: MIT
// The launcher and the page's routes: the list of programs, and `#name` in the address for a
// program's window. Closing the window returns to the launcher.

/** @typedef {{name: string, title: string}} ProgramEntry */

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
        /** @type {ProgramHost | null} */
        this.host = null;
        /** @type {ProgramEntry | null} */
        this.opening = null;
    }

    async start() {
        const about = /** @type {HTMLDialogElement} */ (byId("about"));
        byId("about-button").addEventListener("click", () => about.showModal());
        // The launcher needs no program: it is ready while the programs' module still loads,
        // and a program chosen meanwhile opens as soon as the module is there.
        window.addEventListener("hashchange", () => this.host?.whenFree(() => this.route()));
        if (location.hash.length <= 1) this.showLauncher();
        const wasm = embeddedBytes(byId("host-wasm").textContent ?? "");
        this.host = await ProgramHost.start(wasm, { showWindow: (form) => this.showWindow(form) });
        window.addEventListener("resize", () => this.host?.window?.fit());
        if (location.hash.length > 1) this.route();
    }

    /** Shows what the address asks for: a program's window, or the launcher. */
    route() {
        const host = this.host;
        if (host === null) return;
        const name = decodeURIComponent(location.hash.slice(1));
        const entry = PROGRAMS.find((program) => program.name === name) ?? null;
        if (host.window !== null) {
            host.window.element.remove();
            host.close();
        }
        if (entry === null) {
            this.showLauncher();
            return;
        }
        this.opening = entry;
        if (host.open(entry.name) !== 0) {
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

    /** @param {FormDescription} form */
    showWindow(form) {
        const host = this.host;
        const entry = this.opening;
        if (host === null || entry === null) return;
        const programWindow = new ProgramWindow(form, iconOf(entry.name), {
            click: (name) => host.click(name),
            typed: (name, text) => host.typed(name, text),
            close: () => {
                // Leaving the hash would keep a "#" in the address; the launcher's own address
                // is the page's.
                history.pushState(null, "", location.pathname + location.search);
                this.route();
            },
        });
        host.window = programWindow;
        this.launcher.hidden = true;
        this.desktop.hidden = false;
        this.desktop.replaceChildren(programWindow.element);
        document.title = form.caption + " - 教学小程序";
        programWindow.fit();
        const first = programWindow.tabOrder.find((c) => !(c instanceof HTMLButtonElement && c.disabled));
        (first ?? programWindow.element).focus();
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
