// Told of each leaf-2 descriptor byte missing from the descriptor table.
#pragma once
#include <cstdint>

class DescriptorNotice {
public:
    virtual ~DescriptorNotice() = default;
    virtual void UnknownDescriptor(uint32_t descriptor) = 0;
};
