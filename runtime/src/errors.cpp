// SPDX-License-Identifier: MIT
#include "rt/errors.h"

namespace rt {

const char* error_prompt(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Overflow: return "溢出";
        case ErrorKind::SubscriptOutOfRange: return "下标越界";
        case ErrorKind::DivisionByZero: return "除数为零";
        case ErrorKind::FloatingPoint: return "浮点运算错误";
        case ErrorKind::InvalidCall: return "无效的过程调用或参数";
        case ErrorKind::OutOfMemory: return "内存不足";
    }
    return "运行时错误";
}

void raise(ErrorKind kind) { throw RuntimeError(kind); }

}  // namespace rt
