// SPDX-License-Identifier: MIT
// What the page's build writes before its modules: the emscripten loader and the data.
declare function createModule(options: object): Promise<unknown>;
declare const PROGRAM_ENTRIES: { name: string; title: string }[];
