// SPDX-License-Identifier: MIT
// Every click of every program, with answers and typed text that lead into its dialogs and its
// runtime errors, on the web host built with Asyncify's assertions: a function left out of the
// list of those that may wait in a dialog traps the moment a dialog puts the stack aside. The
// dialogs answer a turn later, as the page's do, so every one of them really unwinds.
//
//     node dialog_paths_test.mjs CHECKED_PAGE_MODULE_JS PROGRAMS_JSON
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

const [moduleJs, programsJson] = process.argv.slice(2);
const names = JSON.parse(readFileSync(programsJson, "utf8")).map((program) => program.name);
// Empty, not a number, a word, small, negative, too large, a choice of the dice game.
const ANSWERS = ["", "abc", "1", "-5", "15", "99999999999", "大", "小"];

let current = "";
// A dialog resumes from a timer, so a trap there is an uncaught exception: name the program
// and end the run, before the loader's own handler prints its whole source line.
const fail = (what) => {
    console.error(`FAIL ${current}: ${what}`);
    process.exit(1);
};
process.on("uncaughtException", (error) => fail(String(error)));

let form = null;
let dialogs = 0;
let answer = "";
const later = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));
// Texts cross as UTF-8 bytes, as in the page (web/page/bridge.js).
const module = await createRequire(import.meta.url)(moduleJs)({
    page: {
        showWindow: (shown) => { form = JSON.parse(new TextDecoder().decode(shown)); },
        controlChanged: () => {},
        printed: () => {},
        announce: () => {},
        messageBox: () => { dialogs += 1; return later(); },
        inputBox: () => { dialogs += 1; return later(new TextEncoder().encode(answer)); },
    },
    printErr: (text) => console.error(text),
    onAbort: (what) => fail(`aborted: ${what}`),
});

const failures = [];
for (const name of names) {
    const before = dialogs;
    current = name;
    form = null;
    if (module.ccall("web_open", "number", ["string"], [name]) !== 0 || form === null) {
        failures.push(`${name}: does not open`);
        continue;
    }
    const controls = form.controls;
    try {
        for (const text of ANSWERS) {
            answer = text;
            const bytes = new TextEncoder().encode(text);
            const copy = module._malloc(bytes.length + 1);
            module.HEAPU8.set(bytes, copy);
            for (const box of controls.filter((c) => c.kind === "textbox"))
                module.ccall("web_typed", null, ["string", "number", "number"], [box.name, copy, bytes.length]);
            module._free(copy);
            for (const button of controls.filter((c) => c.kind === "button"))
                await module.ccall("web_click", null, ["string"], [button.name], { async: true });
        }
    } catch (error) {
        failures.push(`${name}: ${error}`);
    }
    console.log(`${name}: ${dialogs - before} dialogs`);
}
module.ccall("web_close", null, [], []);
// Most programs refuse some of these inputs with a box; a sweep that opens none proves nothing.
if (dialogs < names.length) failures.push(`only ${dialogs} dialogs opened`);
for (const failure of failures) console.error("FAIL " + failure);
process.exit(failures.length === 0 ? 0 : 1);
