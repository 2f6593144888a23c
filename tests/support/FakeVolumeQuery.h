// Volume answers for tests: whatever the test sets, nothing by default.
#pragma once

#include "platform/VolumeQuery.h"

namespace quillet::test {

class FakeVolumeQuery final : public VolumeQuery {
public:
    std::optional<VolumeSpace> SpaceAnswer;
    std::optional<VolumeCapabilities> CapabilitiesAnswer;
    std::optional<VolumeLocation> LocationAnswer;

    std::optional<VolumeSpace> Space(const std::string&) const override { return SpaceAnswer; }
    std::optional<VolumeCapabilities> Capabilities(const std::string&) const override {
        return CapabilitiesAnswer;
    }
    std::optional<VolumeLocation> Location(const std::string&) const override {
        return LocationAnswer;
    }
};

// A volume mounted at /media/usb with 4 KiB clusters, 48.8 GiB free and sparse files.
inline FakeVolumeQuery UsbVolume(bool scanAtMountPoint) {
    FakeVolumeQuery volume;
    volume.SpaceAnswer = VolumeSpace{4096, 52428800000};
    volume.CapabilitiesAnswer = VolumeCapabilities{false, true};
    volume.LocationAnswer = VolumeLocation{"/media/usb", scanAtMountPoint};
    return volume;
}

}  // namespace quillet::test
