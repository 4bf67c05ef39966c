#include "query/variant_text.h"

#include <cstdint>

#include "query/bstr_text.h"
#include "query/number_text.h"

std::string VariantText(const VARIANT& value) {
    switch (value.vt) {
    case VT_BSTR:
        return FromBstr(value.bstrVal);
    case VT_I4:
        return DecimalText(static_cast<std::int32_t>(value.lVal));
    default:
        return std::string();
    }
}
