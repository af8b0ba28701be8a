// SPDX-License-Identifier: MIT
#include "rt/testing/steps.h"

#include <stdexcept>
#include <string>

#include "rt/testing/scripted_program.h"

namespace rt::testing {

Step parse_step(std::string_view step) {
    auto after = [&](std::string_view prefix) { return std::string(step.substr(prefix.size())); };
    if (step.starts_with("type:") || step.starts_with("compose:")) {
        const bool compose = step.starts_with("compose:");
        const std::string rest = after(compose ? "compose:" : "type:");
        const auto equals = rest.find('=');
        if (equals == std::string::npos) throw std::invalid_argument("no '=' in the step " + std::string(step));
        // A composition commits what follows its second '='.
        const auto committed = compose ? rest.find('=', equals + 1) : equals;
        if (committed == std::string::npos) throw std::invalid_argument("no text to commit in " + std::string(step));
        return {compose ? Step::Kind::Compose : Step::Kind::Type, rest.substr(0, equals), rest.substr(committed + 1), {}};
    }
    if (step.starts_with("answer:")) return {Step::Kind::Answer, "", after("answer:"), {}};
    if (step == "cancel") return {Step::Kind::Cancel, "", "", {}};
    if (step.starts_with("click:")) return {Step::Kind::Click, after("click:"), "", {}};
    if (step.starts_with("random:")) {
        Step random{Step::Kind::Random, "", "", {}};
        const std::string values = after("random:");
        for (std::size_t pos = 0; pos <= values.size();) {
            const std::size_t comma = std::min(values.find(',', pos), values.size());
            random.values.push_back(std::stof(values.substr(pos, comma - pos)));
            pos = comma + 1;
        }
        return random;
    }
    throw std::invalid_argument("unknown step " + std::string(step));
}

std::vector<Step> parse_steps(std::string_view text) {
    std::vector<Step> steps;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && !line.starts_with('#')) steps.push_back(parse_step(line));
    }
    return steps;
}

void perform(ScriptedProgram& program, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::Type:
            case Step::Kind::Compose: program.type(step.target, step.text); break;
            case Step::Kind::Answer: program.answer(step.text); break;
            case Step::Kind::Cancel: program.cancel(); break;
            case Step::Kind::Random: program.host().random_values(step.values); break;
            case Step::Kind::Click: program.click(step.target); break;
        }
    }
}

}  // namespace rt::testing
