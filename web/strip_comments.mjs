// SPDX-License-Identifier: MIT
// The page's scripts as the page carries them: the modules in order, without their comments and
// empty lines (a third of their size; the page's own size is capped). The code is not changed
// otherwise: a comment that spanned lines leaves a line break, one within a line a space, so
// every statement ends where it did.
//
//     node strip_comments.mjs OUTPUT MODULE...
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";

const acorn = createRequire(import.meta.url)("acorn");
const [output, ...modules] = process.argv.slice(2);

/** @param {string} text */
function withoutComments(text) {
    /** @type {[number, number, boolean][]} */
    const comments = [];
    acorn.parse(text, {
        ecmaVersion: "latest",
        onComment: (_block, body, start, end) => comments.push([start, end, body.includes("\n")]),
    });
    let kept = "";
    let at = 0;
    for (const [start, end, spansLines] of comments) {
        kept += text.slice(at, start) + (spansLines ? "\n" : " ");
        at = end;
    }
    kept += text.slice(at);
    return kept.split("\n").map((line) => line.trimEnd()).filter((line) => line !== "").join("\n") + "\n";
}

writeFileSync(output, modules.map((module) => withoutComments(readFileSync(module, "utf8"))).join(""));
