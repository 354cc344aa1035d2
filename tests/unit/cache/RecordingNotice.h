// DescriptorNotice that records each unknown descriptor in the order met.
#pragma once
#include <vector>

#include "cache/DescriptorNotice.h"

class RecordingNotice : public DescriptorNotice {
public:
    void UnknownDescriptor(uint32_t descriptor) override { descriptors.push_back(descriptor); }
    std::vector<uint32_t> descriptors;
};
