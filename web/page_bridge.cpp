// SPDX-License-Identifier: MIT
// The one place where C++ meets the page. The page calls the exported functions below with
// program and control names and typed text; the program's window, its changes and its dialogs
// go to the page's `page` object as JSON and plain strings. Dialogs return through Asyncify:
// the handler's stack is put aside while the page waits for the user, then resumed.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>

#include "all_programs.h"
#include "rt/web/web_session.h"

namespace {

// Every text crosses as its bytes and their count, NULs included, never as a NUL-ended string
// (a NUL the user typed must not cut the text short). The page's side receives views of the
// module's memory, valid only during the call, and decodes them (web/page/bridge.js).
// clang-format off
EM_JS(void, js_show_window, (const char* form_json, std::size_t length), {
    Module.page.showWindow(HEAPU8.subarray(form_json, form_json + length));
});
EM_JS(void, js_control_changed, (const char* name, std::size_t name_length, const char* state_json, std::size_t length), {
    Module.page.controlChanged(HEAPU8.subarray(name, name + name_length), HEAPU8.subarray(state_json, state_json + length));
});
EM_JS(void, js_printed, (int cleared, const char* appended, std::size_t length), {
    Module.page.printed(cleared !== 0, HEAPU8.subarray(appended, appended + length));
});
EM_ASYNC_JS(void, js_message_box, (const char* prompt, std::size_t prompt_length, int style, const char* title, std::size_t title_length), {
    await Module.page.messageBox(HEAPU8.subarray(prompt, prompt + prompt_length), style, HEAPU8.subarray(title, title + title_length));
});
// The answer comes back as its UTF-8 bytes, copied into memory the caller frees; its length is
// written to *length.
EM_ASYNC_JS(char*, js_input_box, (const char* prompt, std::size_t prompt_length, const char* title, std::size_t title_length, std::size_t* length), {
    const answer = await Module.page.inputBox(HEAPU8.subarray(prompt, prompt + prompt_length), HEAPU8.subarray(title, title + title_length));
    const copy = _malloc(answer.length + 1);
    HEAPU8.set(answer, copy);
    HEAPU32[length >> 2] = answer.length;
    return copy;
});
EM_JS(void, js_announce, (const char* sentence, std::size_t length), {
    Module.page.announce(HEAPU8.subarray(sentence, sentence + length));
});
// Seconds since local midnight from the page's high-resolution clock: Date alone gives whole
// milliseconds, and Randomize wants every bit of the time it is given.
EM_JS(double, js_time_of_day, (), {
    const now = performance.timeOrigin + performance.now();
    const day = new Date(now);
    return (now - new Date(day.getFullYear(), day.getMonth(), day.getDate()).getTime()) / 1000;
});
// clang-format on

class JsPage final : public rt::web::Page {
public:
    void show_window(const std::string& form_json) override { js_show_window(form_json.data(), form_json.size()); }
    void control_changed(const std::string& name, const std::string& state_json) override {
        js_control_changed(name.data(), name.size(), state_json.data(), state_json.size());
    }
    void printed(bool cleared, const rt::Text& appended) override {
        js_printed(cleared ? 1 : 0, appended.data(), appended.size());
    }
    void message_box(const rt::Text& prompt, int style, const rt::Text& title) override {
        js_message_box(prompt.data(), prompt.size(), style, title.data(), title.size());
    }
    rt::Text input_box(const rt::Text& prompt, const rt::Text& title) override {
        std::size_t length = 0;
        const std::unique_ptr<char, decltype(&std::free)> text(
            js_input_box(prompt.data(), prompt.size(), title.data(), title.size(), &length), &std::free);
        return rt::Text(text.get(), length);
    }
    double time_of_day() override { return js_time_of_day(); }
    void announce(const rt::Text& sentence) override { js_announce(sentence.data(), sentence.size()); }
};

// The page shows one program at a time; these live as long as the page.
JsPage page;
std::optional<rt::web::WebSession> session;

}  // namespace

extern "C" {

/// Opens the named program's window: 0 when it runs, 1 when there is no such program, 2 when
/// its description or module is wrong (the reason goes to the console).
EMSCRIPTEN_KEEPALIVE int web_open(const char* name) {
    session.reset();
    try {
        const programs::ProgramModule& program = programs::find(name);
        session.emplace(program.description(), program.make_module, page);
        return 0;
    } catch (const std::out_of_range&) {
        return 1;
    } catch (const rt::DescriptionError& e) {
        emscripten_log(EM_LOG_ERROR, "%s: %s", name, e.what());
        return 2;
    }
}

/// Delivers a click of the named button; the promise the page gets settles when the handler,
/// and any dialog it opens, has finished.
EMSCRIPTEN_KEEPALIVE void web_click(const char* button_name) {
    if (session) session->click(button_name);
}

/// Says what the click that just finished changed, through the page's live region. Called
/// once the click's promise has settled: the sentence is built off the click's stack.
EMSCRIPTEN_KEEPALIVE void web_click_finished() {
    if (session) session->announce_click();
}

/// The user's own edit of a text box, `length` bytes of UTF-8 (the page already shows it).
EMSCRIPTEN_KEEPALIVE void web_typed(const char* text_box_name, const char* text, std::size_t length) {
    if (session) session->typed(text_box_name, rt::Text(text, length));
}

/// Closes the program's window.
EMSCRIPTEN_KEEPALIVE void web_close() { session.reset(); }

}  // extern "C"
