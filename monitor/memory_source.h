// Platform seam of the sampler: fills a RawMemoryStatus from the operating
// system. One backend per platform is chosen by the build.
#pragma once

#include "monitor/memory_sample.h"

// Never fails; a reading the platform refuses gives all zeros.
RawMemoryStatus readMemoryStatus();
