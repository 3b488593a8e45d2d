// Makes the car selection form Ptn2 known to the runtime by name.
#pragma once

namespace carlookup {

void registerCarLookupForms();

} // namespace carlookup
