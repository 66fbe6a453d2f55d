// The tooltip of an input field: what the field holds and which values it takes, from the
// field's row of the inputs table.
#pragma once

#include "sim/input_fields.h"

#include <QString>
#include <cstdint>

namespace app {

// "Prečnik glodala, mm" and "Dozvoljeno: 50 do 180 mm" on two lines; minimum and maximum in the
// units the field holds (tenths for the depth and chip fields, written as millimetres with
// separator). A field whose value is not taken (shown red) gets a first line saying so.
QString FieldToolTip(const sim::InputFieldSpec& fieldSpec, int32_t minimum, int32_t maximum,
                     char separator, bool rejected);

} // namespace app
