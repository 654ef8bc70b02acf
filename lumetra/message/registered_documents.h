#pragma once

#include "lumetra/message/doc_manager.h"

namespace lumetra {

// The library's registry with its two document types, "13" (the cash bag statement) and "0J"
// (the cash inventory), in that order. Built on first use and never changed afterwards.
const TDocManager& DocumentTypes();

} // namespace lumetra
