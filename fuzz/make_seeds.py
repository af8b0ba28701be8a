#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpora in corpus/<target>/: one small input per boundary or tricky case,
named after what it holds. The inputs follow each fuzz target's layout (see the comment above
its LLVMFuzzerTestOneInput). Run it again after changing a layout or adding a case."""

import math
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
DBL_MAX = 1.7976931348623157e308
FLT_MAX = 3.4028234663852886e38
HALFWAY_ABOVE_ONE = "1.00000000000000011102230246251565404236316680908203125"


def d(x):
    return struct.pack("<d", x)


def f(x):
    return struct.pack("<f", x)


def i16(n):
    return struct.pack("<h", n)


def i32(n):
    return struct.pack("<i", n)


def i64(n):
    return struct.pack("<q", n)


VAL = {
    "integer": "12", "leading_blanks": "   7", "tabs_and_line_breaks": "\t\r\n 8",
    "fraction": "20.5", "point_and_fraction_alone": ".5", "signed_point": "-.25",
    "second_point": "1.2.3", "exponent": "2.5E-2", "exponent_without_digits": "4e+x",
    "full_width_digits": "１２", "full_width_sign_and_point": "－３．５", "full_width_mixed": "1２.５",
    "beyond_the_range": "1e309", "beyond_the_range_negative": "-1e309", "below_the_smallest": "1e-400",
    "negative_zero": "-0", "nan": "NaN", "infinity": "Infinity", "hexadecimal": "&H10",
    "thousands_separator": "1,000", "arabic_indic_digits": "١٢", "huge_exponent": "1e99999999999",
    "largest_float": "1.7976931348623157e308", "largest_float_15_digits": "1.79769313486232E+308",
    "smallest_subnormal_15_digits": "4.94065645841247E-324", "halfway_below_smallest": "2.4703282292062328e-324",
    "smallest_normal": "2.2250738585072014e-308", "long_decimal": "0.1000000000000000055511151231257827",
    "many_fraction_zeros": "0." + "0" * 300 + "1e600", "right_to_left_mark": "\u200f12", "emoji": "😀1",
    "combining_mark": "1\u0301", "full_width_exponent_letter": "1ｅ5",
    # Exactly halfway between 1 and the next float (a tie, to even), then just above halfway.
    "halfway_above_one": HALFWAY_ABOVE_ONE, "just_above_halfway_above_one": HALFWAY_ABOVE_ONE + "0" * 100 + "1",
}
VAL_BYTES = {
    "byte_order_mark_bytes": b"\xff\xfe12", "truncated_full_width": b"\xef\xbc", "truncated_full_width_digit": b"\xef\xbc\x91\xef\xbc",
    "nul_inside": b"1\x002", "invalid_after_digits": b"12\x80",
}

FPI = {
    "half_down_to_even": b"\0" + d(2.5), "half_up_to_even": b"\0" + d(3.5), "negative_half": b"\0" + d(-2.5),
    "half_above_int16": b"\0" + d(32767.5), "half_below_int16": b"\0" + d(-32768.5),
    "half_below_int16_top": b"\0" + d(32766.5), "half_above_int32": b"\0" + d(2147483647.5),
    "half_below_int32": b"\0" + d(-2147483648.5), "half_below_int32_top": b"\0" + d(2147483646.5),
    "nan": b"\0" + d(math.nan), "infinity": b"\0" + d(math.inf), "minus_infinity": b"\0" + d(-math.inf),
    "huge": b"\0" + d(1e300), "negative_zero": b"\0" + d(-0.0), "smallest_subnormal": b"\0" + d(5e-324),
    "quarters_above_int16": b"\1" + i64(131070), "quarters_below_int16": b"\1" + i64(-131074),
    "step_below_half_above_int16": b"\2" + d(32767.5) + b"\xff",
    "step_above_half": b"\2" + d(0.5) + b"\x01", "step_below_half": b"\2" + d(0.5) + b"\xff",
    "step_above_half_below_int16": b"\2" + d(-32768.5) + b"\x01",
    "step_below_half_above_int32": b"\2" + d(2147483647.5) + b"\xff",
}

STR_R = {
    "largest_double": b"\0" + d(DBL_MAX), "lowest_rounding_beyond_the_range": b"\0" + d(1.797693134862315e308),
    "below_rounding_beyond_the_range": b"\0" + d(1.7976931348623149e308), "exponent_fifteen": b"\0" + d(1e15),
    "carries_into_exponent_form": b"\0" + d(999999999999999.9), "plain_exponent_minus_five": b"\0" + d(1e-5),
    "exponent_minus_six": b"\0" + d(1e-6), "smallest_subnormal": b"\0" + d(5e-324),
    "smallest_normal": b"\0" + d(2.2250738585072014e-308), "sum_of_tenths": b"\0" + d(0.1 + 0.2),
    "negative_zero": b"\0" + d(-0.0), "nan": b"\0" + d(math.nan), "infinity": b"\0" + d(-math.inf),
    "two_thirds": b"\0" + d(2 / 3), "tie_at_fifteen_digits": b"\0" + d(1234567890123455.0),
    "float_largest": b"\1" + f(FLT_MAX), "float_smallest_subnormal": b"\1" + struct.pack("<I", 1),
    "float_rounds_at_seventh_digit": b"\1" + f(1234567.9), "float_tenth": b"\1" + f(0.1),
    "float_two_to_24": b"\1" + f(16777216.0), "float_exponent_form": b"\1" + f(1e20),
    "float_nan": b"\1" + f(math.nan), "float_infinity": b"\1" + f(math.inf),
    "decimal_tie": b"\2" + i64(1234567890123455) + i16(0), "decimal_near_largest": b"\2" + i64(17976931348623157) + i16(292),
    "decimal_float_tie": b"\3" + i64(12345675) + i16(-1),
}

FORMAT = {
    "thirds": b"\0" + d(500 / 3), "sixteenth_tie_away": b"\0" + d(1 / 16), "negative_sixteenth": b"\0" + d(-1 / 16),
    "fifteen_digit_form_ties": b"\0" + d(2001 / 2000), "carry_into_whole": b"\0" + d(9.9996),
    "carry_into_new_digit": b"\0" + d(999.9999), "smallest_shown": b"\0" + d(1 / 2000),
    "huge_in_plain_digits": b"\0" + d(1e20 / 3), "negative_tiny_is_zero": b"\0" + d(-0.0004),
    "negative_half_thousandth": b"\0" + d(-0.0005), "largest_double": b"\0" + d(DBL_MAX),
    "smallest_subnormal": b"\0" + d(5e-324), "nan": b"\0" + d(math.nan), "infinity": b"\0" + d(math.inf),
    "decimal_half_thousandth": b"\1" + i64(5) + i16(-4), "decimal_half_below_one": b"\1" + i64(9995) + i16(-4),
    "pattern_whole_only": b"\3" + i64(25) + i16(-1) + b"0", "pattern_two_whole_zeros": b"\3" + i64(5) + i16(-1) + b"00.0#",
    "pattern_two_decimals": b"\3" + i64(314159) + i16(-5) + b"0.00", "pattern_point_alone": b"\2" + d(0.5) + b"0.",
    "pattern_many_decimals": b"\2" + d(1e-7) + b"0.0000000###", "pattern_hashes_first": b"\2" + d(1) + b"#.##",
    "pattern_zero_after_hash": b"\2" + d(1) + b"0.#0", "pattern_grouping": b"\2" + d(1000) + b"0,000",
    "pattern_empty": b"\2" + d(1), "pattern_named": b"\2" + d(1) + b"Currency",
    "pattern_invalid_with_nan": b"\2" + d(math.nan) + b"#",
}


def text_input(text, start=1, length=1, count=1, code=0x4E2D, near=True):
    raw = text.encode() if isinstance(text, str) else text
    return (b"\0" if near else b"\1") + i32(start) + i32(length) + i32(count) + i16(code) + raw


TEXT = {
    "chinese": text_input("7点小，您赢", 2, 3, 1), "combining_mark": text_input("e\u0301", 1, 1, 1),
    "emoji_beyond_ffff": text_input("😀a", 1, 1, 1), "stray_continuation": text_input(b"\x80a"),
    "truncated_sequence": text_input(b"\xe4\xb8", 2, 1, 1), "overlong_slash": text_input(b"\xc0\xaf"),
    "overlong_three_bytes": text_input(b"\xe0\x9f\xbf"), "overlong_four_bytes": text_input(b"\xf0\x8f\xbf\xbf"),
    "encoded_surrogate": text_input(b"\xed\xa0\x80", code=-0x2800), "beyond_10ffff": text_input(b"\xf4\x90\x80\x80"),
    "last_code_point": text_input(b"\xf4\x8f\xbf\xbf"), "u_ffff": text_input(b"\xef\xbf\xbf", code=-1),
    "embedded_nul": text_input(b"a\0b", 2, 1, 2, code=0), "right_to_left_mark": text_input("\u200f12", 1, 2, 2),
    "full_width_digits": text_input("１２", 2, 1, 1, code=-240), "empty": text_input(b"", 1, 1, 1, code=0x7F),
    "start_zero": text_input("abc", 0, 1, 1, near=False), "negative_length": text_input("abc", 1, -1, -1, near=False),
    "largest_start": text_input("abc", 2147483647, 2147483647, 2147483647, near=False),
    "lowest_code": text_input("A", 1, 0, 0, code=-32768), "code_0800": text_input("ab", 3, 1, 5, code=0x800),
}


def op_text(raw):
    raw = raw.encode() if isinstance(raw, str) else raw
    return b"\0" + bytes([len(raw)]) + raw


NEW_LINE, SEMICOLON = b"\6\0", b"\6\1"
PRINT = {
    "two_numbers_then_star": b"\1" + i16(2) + b"\1" + i16(3) + SEMICOLON + op_text("*") + SEMICOLON + op_text("") + NEW_LINE,
    "empty_print_ends_line": NEW_LINE + NEW_LINE,
    "sum_line": b"\1" + i16(5) + op_text("-") + b"\1" + i16(5) + op_text("=") + b"\1" + i16(0) + NEW_LINE,
    "floats": b"\4" + d(-2.5) + b"\4" + d(-0.0) + b"\4" + d(1e300) + b"\3" + f(0.25) + NEW_LINE,
    "floats_not_finite": b"\4" + d(math.nan) + b"\4" + d(math.inf) + b"\3" + f(-math.inf) + b"\3" + f(math.nan) + NEW_LINE,
    "int32_bounds": b"\2" + i32(-2147483648) + b"\2" + i32(2147483647) + b"\1" + i16(-32768) + NEW_LINE,
    "whole_numbers_beyond_32_bits": b"\5" + i64(2147483648) + b"\5" + i64(-2147483649) + b"\5" + i64(-2147483648) + NEW_LINE,
    "cls_between_prints": op_text("a") + NEW_LINE + op_text("b") + SEMICOLON + b"\7" + op_text("c") + NEW_LINE,
    "line_break_inside_text": op_text("a\nb\r\n") + SEMICOLON + op_text(b"\xff\xe4\xb8") + NEW_LINE,
    "chinese_text": op_text("项的和是 ") + b"\2" + i32(1371742105) + NEW_LINE,
}


def write(target, cases):
    folder = HERE / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, content in cases.items():
        (folder / name).write_bytes(content.encode() if isinstance(content, str) else content)


write("val", {**VAL, **VAL_BYTES})
write("fpi", FPI)
write("str_r", STR_R)
write("format", FORMAT)
write("text", TEXT)
write("print", PRINT)
