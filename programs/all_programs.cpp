// SPDX-License-Identifier: MIT
#include "all_programs.h"

#include <stdexcept>
#include <string>

#include "arithmetic_practice/form1.h"
#include "arithmetic_practice/window.h"
#include "big_number_addition/form1.h"
#include "big_number_addition/window.h"
#include "dice_game/form1.h"
#include "dice_game/window.h"
#include "digit_matrix/form1.h"
#include "digit_matrix/window.h"
#include "digit_rearrangement/form1.h"
#include "digit_rearrangement/window.h"
#include "hex_conversion/form1.h"
#include "hex_conversion/window.h"
#include "prime_list/form1.h"
#include "prime_list/window.h"
#include "random_permutation/form1.h"
#include "random_permutation/window.h"
#include "series_sum/form1.h"
#include "series_sum/window.h"
#include "star_patterns/form1.h"
#include "star_patterns/window.h"

namespace programs {

std::span<const ProgramModule> all() {
    static const ProgramModule kPrograms[] = {
        {"orvane", dice_game::window, rt::module_factory<dice_game::Form1>()},
        {"tilbry", arithmetic_practice::window, rt::module_factory<arithmetic_practice::Form1>()},
        {"quennet", digit_rearrangement::window, rt::module_factory<digit_rearrangement::Form1>()},
        {"brasky", star_patterns::window, rt::module_factory<star_patterns::Form1>()},
        {"mondrel", digit_matrix::window, rt::module_factory<digit_matrix::Form1>()},
        {"sarnic", hex_conversion::window, rt::module_factory<hex_conversion::Form1>()},
        {"pellow", series_sum::window, rt::module_factory<series_sum::Form1>()},
        {"grentam", big_number_addition::window, rt::module_factory<big_number_addition::Form1>()},
        {"luvesk", prime_list::window, rt::module_factory<prime_list::Form1>()},
        {"farrowd", random_permutation::window, rt::module_factory<random_permutation::Form1>()},
    };
    return kPrograms;
}

const ProgramModule& find(std::string_view name) {
    for (const ProgramModule& program : all())
        if (program.name == name) return program;
    throw std::out_of_range("no program named " + std::string(name));
}

}  // namespace programs
