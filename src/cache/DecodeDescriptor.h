// Decoding of leaf-2 descriptor bytes into cache grid rows and totals.
#pragma once
#include <cstdint>

#include "cache/DescriptorNotice.h"

// The four bytes of a leaf-2 register, least significant first.
void DecodeDescriptorRegister(uint32_t value, DescriptorNotice& notice);
// 0 for descriptor 0 and after the notice for an unknown one, 1 when known.
int32_t DecodeDescriptor(uint32_t descriptor, DescriptorNotice& notice);
