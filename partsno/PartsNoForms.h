// Makes the forms of the parts-number lookup (Ptn1, BrgInfo) known to the runtime by name.
#pragma once

namespace partsno {

void registerPartsNoForms();

} // namespace partsno
