#include "carlookup/Ptn2.h"

namespace carlookup {

void Ptn2::createControls() {
    setCaption("Car Select");
    setClientSize(5595, 2640);
}

} // namespace carlookup
