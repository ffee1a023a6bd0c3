// The POSIX backend of the sound device is a fake that plays nothing: it
// records every call so that tests can check what the sound layer asked
// for, and it can be told to refuse calls.
#pragma once

#include <string>
#include <vector>

struct FakeSoundDevice {
    // Steering: refuse the next calls of this kind.
    bool refuseOpen = false;
    bool refuseCreate = false;
    bool refusePlay = false;

    // Every call in order: "open", "close", "create <id>", "play <id>",
    // "release <id>"; a refused call is recorded with " refused" appended.
    std::vector<std::string> calls;
    // Calls that break the seam's rules (a buffer used after release or
    // while the device is closed, closing with buffers alive, ...).
    std::vector<std::string> misuses;

    struct Buffer {
        int id = 0;
        std::vector<unsigned char> format;
        std::vector<unsigned char> samples;
        const unsigned char* sampleSource = nullptr;  // where the copy came from
        bool released = false;
    };
    // Every buffer made since the last reset, in order; ids count from 1.
    std::vector<Buffer> buffers;
    bool open = false;
};

FakeSoundDevice& fakeSoundDevice();
// Clears the record and the steering; the device counts as closed.
void resetFakeSoundDevice();
