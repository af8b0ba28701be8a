// SPDX-License-Identifier: MIT
// The page's side of the C++/JavaScript boundary: the programs compiled to WebAssembly, the
// `page` object their window and dialogs reach (see page_bridge.cpp beside this folder), and the
// few calls the page makes into them: open, click, typed, close. Texts cross as UTF-8 bytes
// with their length, NULs included, and what the page passes in goes through the module's
// heap, never its stack, whatever its size.

/**
 * @typedef {{ccall: (name: string, returns: string | null, types: string[], args: unknown[],
 *            options?: {async: boolean}) => unknown, HEAPU8: Uint8Array,
 *            _malloc: (size: number) => number, _free: (pointer: number) => void}} LoadedModule
 * (emscripten keeps HEAPU8 on the module, renewed when its memory grows).
 */

/** The emscripten loader, placed before this script. */
const loadModule = /** @type {(options: object) => Promise<LoadedModule>} */ (createModule);

const utf8Decoder = new TextDecoder();
const utf8Encoder = new TextEncoder();

/** A text the module sent, from a view of its memory that is valid only during the call. */
function textOf(/** @type {Uint8Array} */ bytes) {
    return utf8Decoder.decode(bytes);
}

class ProgramRunner {
    /**
     * @param {LoadedModule} module
     * @param {(error: unknown) => void} failed   told when a call into the module throws
     */
    constructor(module, failed) {
        this.module = module;
        this.failed = failed;
        /** @type {ProgramWindow | null} */
        this.window = null;
        /** While a handler runs (or waits in a dialog) the program takes no other call. */
        this.busy = false;
        /** After a failure the module takes no more calls: its state is unknown. */
        this.broken = false;
        /** @type {(() => void)[]} */
        this.whenIdle = [];
    }

    /**
     * Starts the programs' module from its bytes: handed over directly, since the page's
     * policy forbids fetching anything, its own data included.
     * @param {Uint8Array} wasmBinary
     * @param {{showWindow: (form: FormDescription) => void, failed: (error: unknown) => void}} page
     * @returns {Promise<ProgramRunner>}
     */
    static async start(wasmBinary, page) {
        /** @type {ProgramRunner | null} */
        let runner = null;
        const module = await loadModule({
            wasmBinary,
            page: {
                showWindow: (/** @type {Uint8Array} */ form) => page.showWindow(JSON.parse(textOf(form))),
                controlChanged: (/** @type {Uint8Array} */ name, /** @type {Uint8Array} */ state) =>
                    runner?.window?.controlChanged(textOf(name), JSON.parse(textOf(state))),
                printed: (/** @type {boolean} */ cleared, /** @type {Uint8Array} */ appended) =>
                    runner?.window?.printedText.update(cleared, textOf(appended)),
                messageBox: (/** @type {Uint8Array} */ prompt, /** @type {number} */ style, /** @type {Uint8Array} */ title) =>
                    showMessageBox(textOf(prompt), style, textOf(title), runner?.window?.element ?? document.body),
                announce: (/** @type {Uint8Array} */ sentence) => announce(textOf(sentence)),
                inputBox: async (/** @type {Uint8Array} */ prompt, /** @type {Uint8Array} */ title) =>
                    utf8Encoder.encode(await showInputBox(textOf(prompt), textOf(title), runner?.window?.element ?? document.body)),
            },
            print: (/** @type {string} */ text) => console.log(text),
            printErr: (/** @type {string} */ text) => console.error(text),
        });
        runner = new ProgramRunner(module, page.failed);
        return runner;
    }

    /**
     * Calls into the module; a throw (a trap, an abort) marks it broken and is reported once.
     * @template T
     * @param {() => T} call
     * @returns {T | undefined}
     */
    guarded(call) {
        if (this.broken) return undefined;
        try {
            return call();
        } catch (error) {
            this.fail(error);
            return undefined;
        }
    }

    /** @param {unknown} error */
    fail(error) {
        if (this.broken) return;
        this.broken = true;
        this.failed(error);
    }

    /**
     * Opens the named program: 0 when it runs, 1 when there is no such program, 2 when it
     * cannot start (or the module failed).
     * @param {string} name
     * @returns {number}
     */
    open(name) {
        return /** @type {number | undefined} */ (this.guarded(() => this.module.ccall("web_open", "number", ["string"], [name]))) ?? 2;
    }

    close() {
        this.guarded(() => this.module.ccall("web_close", null, [], []));
        this.window = null;
    }

    /**
     * Delivers a click, unless a handler is still running; resolves when it has finished.
     * @param {string} name
     */
    async click(name) {
        if (this.busy || this.broken || this.window === null) return;
        const window = this.window;
        const hadFocus = document.activeElement;
        this.busy = true;
        window.element.setAttribute("aria-busy", "true");
        try {
            await this.module.ccall("web_click", null, ["string"], [name], { async: true });
        } catch (error) {
            this.fail(error);
        } finally {
            this.busy = false;
            window.element.removeAttribute("aria-busy");
        }
        if (this.broken) return;
        this.module.ccall("web_click_finished", null, [], []);
        window.keepFocus(hadFocus);
        window.revealChanges();
        for (const action of this.whenIdle.splice(0)) action();
    }

    /**
     * The text a box now holds, copied into the module's heap for the call.
     * @param {string} name
     * @param {string} text
     */
    typed(name, text) {
        if (this.busy) return;
        const module = this.module;
        const bytes = utf8Encoder.encode(text);
        this.guarded(() => {
            const copy = module._malloc(bytes.length + 1);
            module.HEAPU8.set(bytes, copy);
            module.ccall("web_typed", null, ["string", "number", "number"], [name, copy, bytes.length]);
            module._free(copy);
        });
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
