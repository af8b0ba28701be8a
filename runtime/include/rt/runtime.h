// SPDX-License-Identifier: MIT
#pragma once

// Everything a form module uses: values, conversions, text, arrays, the form and its services.
#include "rt/array.h"
#include "rt/conversions.h"
#include "rt/description.h"
#include "rt/errors.h"
#include "rt/floating.h"
#include "rt/form.h"
#include "rt/form_module.h"
#include "rt/integer.h"
#include "rt/printing.h"
#include "rt/services.h"
#include "rt/text.h"
