#include "tools/SampleBearings.h"

namespace tools {

const std::vector<SampleBearing>& sampleBearings() {
    using enum SampleUse;
    static const std::vector<SampleBearing> bearings = {
        {"30205", "Tapered roller bearing", 25, 52, 16.25, "open", FrontSuspension},
        {"30206", "Tapered roller bearing", 30, 62, 17.25, "open", FrontSuspension},
        {"32007X", "Tapered roller bearing", 35, 62, 18, "open", FrontSuspension},
        {"LM11949/10", "Tapered roller bearing (inch)", 19.05, 45.237, 15.494, "open", FrontSuspension},
        {"LM29749/10", "Tapered roller bearing (inch)", 38.1, 65.088, 18.034, "open", FrontSuspension},
        {"WB3055-32", "Wheel bearing, double row angular contact", 30, 55, 32, "2RS", FrontSuspension},
        {"WB3872-36", "Wheel bearing, double row angular contact", 38, 72, 36, "2RS", FrontSuspension},
        {"WB4280-42", "Wheel bearing, double row angular contact", 42, 80, 42, "2RS", FrontSuspension},
        {"SB4570-14", "Strut mounting bearing", 45, 70, 14, "2RS", FrontSuspension},
        {"6204-2RS", "Deep groove ball bearing", 20, 47, 14, "2RS", RearSuspension},
        {"6206-2RS", "Deep groove ball bearing", 30, 62, 16, "2RS", RearSuspension},
        {"6207ZZ", "Deep groove ball bearing", 35, 72, 17, "ZZ", RearSuspension},
        {"30305", "Tapered roller bearing", 25, 62, 18.25, "open", RearSuspension},
        {"LM12749/10", "Tapered roller bearing (inch)", 21.987, 45.974, 15.494, "open", RearSuspension},
        {"WB3464-37", "Wheel bearing, double row angular contact", 34, 64, 37, "2RS", RearSuspension},
        {"HU4084-50", "Hub unit bearing with flange", 40, 84, 50, "2RS", RearSuspension},
        {"TP5812-6203", "Tensioner pulley, steel, flat", 17, 58, 12, "2RS", TimingBeltTensioner},
        {"TP6020-6303", "Tensioner pulley, steel, flat", 17, 60, 20, "2RS", TimingBeltTensioner},
        {"IP7025-6204", "Idler pulley, resin, flat", 20, 70, 25, "2RS", TimingBeltTensioner},
        {"6203-2RS", "Deep groove ball bearing", 17, 40, 12, "2RS", TimingBeltTensioner},
        {"6303-2RS", "Deep groove ball bearing", 17, 47, 14, "2RS", TimingBeltTensioner},
        {"RB3562-21", "Clutch release bearing, self-centring", 35, 62, 21, "2RS", ClutchRelease},
        {"RB4071-24", "Clutch release bearing, self-centring", 40, 71, 24, "2RS", ClutchRelease},
        {"RB5080-26", "Clutch release bearing, self-centring", 50, 80, 26, "2RS", ClutchRelease},
        {"6001-2RS", "Deep groove ball bearing (pilot)", 12, 28, 8, "2RS", ClutchRelease},
        {"6201-2RS", "Deep groove ball bearing (pilot)", 12, 32, 10, "2RS", ClutchRelease},
        {"6202ZZ", "Deep groove ball bearing (pilot)", 15, 35, 11, "ZZ", ClutchRelease},
    };
    return bearings;
}

std::string sampleUseTitle(SampleUse use) {
    switch (use) {
    case SampleUse::FrontSuspension:
        return "Front Suspension";
    case SampleUse::RearSuspension:
        return "Rear Suspension";
    case SampleUse::TimingBeltTensioner:
        return "Timing Belt Tensioner";
    case SampleUse::ClutchRelease:
        return "Clutch Release Bearing";
    }
    return {};
}

} // namespace tools
