#include "partsno/Ptn1.h"

namespace partsno {

void Ptn1::createControls() {
    setCaption("Parts No Search");
    setClientSize(3930, 1080);
}

} // namespace partsno
