// SPDX-License-Identifier: MIT
// The page's side of the C++/JavaScript boundary: the programs compiled to WebAssembly, the
// `host` object their window and dialogs reach (see page_bridge.cpp beside this folder), and the
// few calls the page makes into them: open, click, typed, close.

/**
 * @typedef {{ccall: (name: string, returns: string | null, types: string[], args: unknown[],
 *            options?: {async: boolean}) => unknown}} HostModule
 */

/** The emscripten loader, placed before this script. */
const createHostModule = /** @type {(options: object) => Promise<HostModule>} */ (createHost);

class ProgramHost {
    /** @param {HostModule} module */
    constructor(module) {
        this.module = module;
        /** @type {ProgramWindow | null} */
        this.window = null;
        /** While a handler runs (or waits in a dialog) the program takes no other call. */
        this.busy = false;
        /** @type {(() => void)[]} */
        this.whenIdle = [];
    }

    /**
     * Starts the programs' module from its bytes: handed over directly, since the page's
     * policy forbids fetching anything, its own data included.
     * @param {Uint8Array} wasmBinary
     * @param {{showWindow: (form: FormDescription) => void}} windowFactory
     * @returns {Promise<ProgramHost>}
     */
    static async start(wasmBinary, windowFactory) {
        /** @type {ProgramHost | null} */
        let host = null;
        const module = await createHostModule({
            wasmBinary,
            host: {
                showWindow: (/** @type {FormDescription} */ form) => windowFactory.showWindow(form),
                controlChanged: (/** @type {string} */ name, /** @type {ControlState} */ state) =>
                    host?.window?.controlChanged(name, state),
                printed: (/** @type {boolean} */ cleared, /** @type {string} */ appended) =>
                    host?.window?.printedText.update(cleared, appended),
                messageBox: (/** @type {string} */ prompt, /** @type {number} */ style, /** @type {string} */ title) =>
                    showMessageBox(prompt, style, title, host?.window?.element ?? document.body),
                inputBox: (/** @type {string} */ prompt, /** @type {string} */ title) =>
                    showInputBox(prompt, title, host?.window?.element ?? document.body),
            },
            print: (/** @type {string} */ text) => console.log(text),
            printErr: (/** @type {string} */ text) => console.error(text),
        });
        host = new ProgramHost(module);
        return host;
    }

    /**
     * Opens the named program: 0 when it runs, 1 when there is no such program, 2 when it
     * cannot start.
     * @param {string} name
     * @returns {number}
     */
    open(name) {
        return /** @type {number} */ (this.module.ccall("web_open", "number", ["string"], [name]));
    }

    close() {
        this.module.ccall("web_close", null, [], []);
        this.window = null;
    }

    /**
     * Delivers a click, unless a handler is still running; resolves when it has finished.
     * @param {string} name
     */
    async click(name) {
        if (this.busy || this.window === null) return;
        const window = this.window;
        const hadFocus = document.activeElement;
        this.busy = true;
        window.element.setAttribute("aria-busy", "true");
        try {
            await this.module.ccall("web_click", null, ["string"], [name], { async: true });
        } finally {
            this.busy = false;
            window.element.removeAttribute("aria-busy");
        }
        window.keepFocus(hadFocus);
        for (const action of this.whenIdle.splice(0)) action();
    }

    /**
     * @param {string} name
     * @param {string} text
     */
    typed(name, text) {
        if (!this.busy) this.module.ccall("web_typed", null, ["string", "string"], [name, text]);
    }

    /**
     * Runs the action now, or once the running handler has finished.
     * @param {() => void} action
     */
    whenFree(action) {
        if (this.busy) this.whenIdle.push(action);
        else action();
    }
}
