#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "help/sound_device_fake.h"
#include "help/sound_layer.h"

namespace {

using Calls = std::vector<std::string>;

void putLe32(std::vector<unsigned char>& bytes, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<unsigned char>(v >> shift));
    }
}

// A canonical PCM mono 16-bit WAVE image whose samples start with the tag,
// so that clips made of different images can be told apart.
std::vector<unsigned char> waveImage(unsigned char tag, std::uint32_t sampleBytes = 8)
{
    std::vector<unsigned char> image = {'R', 'I', 'F', 'F'};
    putLe32(image, 36 + sampleBytes);
    image.insert(image.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe32(image, 16);
    image.insert(image.end(), {1, 0, 1, 0});
    putLe32(image, 22050);
    putLe32(image, 44100);
    image.insert(image.end(), {2, 0, 16, 0, 'd', 'a', 't', 'a'});
    putLe32(image, sampleBytes);
    for (std::uint32_t i = 0; i < sampleBytes; ++i) {
        image.push_back(static_cast<unsigned char>(tag + i));
    }
    return image;
}

bool load(int number, const std::vector<unsigned char>& image)
{
    return loadClip(number, image.data(), image.size());
}

class SoundLayer : public ::testing::Test {
protected:
    void SetUp() override { resetFakeSoundDevice(); }
    void TearDown() override
    {
        shutdownSound();
        EXPECT_EQ(fake().misuses, Calls{});
        resetFakeSoundDevice();
    }
    static FakeSoundDevice& fake() { return fakeSoundDevice(); }

    const std::vector<unsigned char> first = waveImage(0x10);
    const std::vector<unsigned char> second = waveImage(0x80, 6);
    const std::vector<unsigned char> broken = std::vector<unsigned char>(first.begin(), first.end() - 1);
};

TEST_F(SoundLayer, LoadedClipHoldsTheImagesFormatAndSamples)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    ASSERT_EQ(fake().buffers.size(), 1u);
    const FakeSoundDevice::Buffer& buffer = fake().buffers[0];
    EXPECT_EQ(buffer.format, std::vector<unsigned char>(first.begin() + 20, first.begin() + 36));
    EXPECT_EQ(buffer.samples, std::vector<unsigned char>(first.begin() + 44, first.end()));
    EXPECT_EQ(buffer.sampleSource, first.data() + 44) << "samples go to the device straight from the image";
    EXPECT_TRUE(playClip(0));
    EXPECT_TRUE(playClip(0)) << "a second play restarts the clip";
    EXPECT_EQ(fake().calls, (Calls{"open", "create 1", "play 1", "play 1"}));
}

TEST_F(SoundLayer, PlayWithoutAClipFails)
{
    EXPECT_FALSE(playClip(0)) << "before initSound";
    ASSERT_TRUE(initSound());
    EXPECT_FALSE(playClip(0)) << "before any load";
    ASSERT_TRUE(load(0, first));
    EXPECT_FALSE(playClip(1));
    EXPECT_FALSE(playClip(-1));
    EXPECT_EQ(fake().calls, (Calls{"open", "create 1"}));
}

TEST_F(SoundLayer, PlayReportsARefusedStart)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    fake().refusePlay = true;
    EXPECT_FALSE(playClip(0));
}

TEST_F(SoundLayer, WithoutADeviceEverythingFailsQuietly)
{
    fake().refuseOpen = true;
    EXPECT_FALSE(initSound());
    EXPECT_FALSE(load(0, first));
    EXPECT_FALSE(playClip(0));
    shutdownSound();
    EXPECT_EQ(fake().calls, Calls{"open refused"}) << "no buffer is made and no device is closed";
}

TEST_F(SoundLayer, FailedInitIsRetriedByTheNextOne)
{
    fake().refuseOpen = true;
    EXPECT_FALSE(initSound());
    fake().refuseOpen = false;
    EXPECT_TRUE(initSound());
    EXPECT_TRUE(load(0, first));
    EXPECT_EQ(fake().calls, (Calls{"open refused", "open", "create 1"}));
}

TEST_F(SoundLayer, SecondInitSucceedsAndKeepsTheClip)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    EXPECT_TRUE(initSound());
    EXPECT_TRUE(playClip(0));
    EXPECT_EQ(fake().calls, (Calls{"open", "create 1", "play 1"}));
}

TEST_F(SoundLayer, ImageIsCheckedBeforeTheDevice)
{
    EXPECT_FALSE(load(0, broken)) << "before initSound";
    ASSERT_TRUE(initSound());
    EXPECT_FALSE(load(0, broken));
    EXPECT_FALSE(loadClip(0, nullptr, 0));
    EXPECT_EQ(fake().calls, Calls{"open"});
}

TEST_F(SoundLayer, NegativeNumbersAreRefused)
{
    ASSERT_TRUE(initSound());
    EXPECT_FALSE(load(-1, first));
    EXPECT_EQ(fake().calls, Calls{"open"});
}

TEST_F(SoundLayer, FailedLoadKeepsTheEarlierClip)
{
    struct Failure {
        const char* name;
        bool refuseCreate;
        const std::vector<unsigned char>* image;
    };
    for (const Failure& failure : {Failure{"invalid image", false, &broken},
                                   Failure{"buffer refused", true, &second}}) {
        SCOPED_TRACE(failure.name);
        resetFakeSoundDevice();
        ASSERT_TRUE(initSound());
        ASSERT_TRUE(load(0, first));
        fake().refuseCreate = failure.refuseCreate;
        EXPECT_FALSE(load(0, *failure.image));
        EXPECT_FALSE(fake().buffers[0].released);
        EXPECT_TRUE(playClip(0));
        EXPECT_EQ(fake().calls.back(), "play 1");
        shutdownSound();
    }
}

TEST_F(SoundLayer, ReplacingReleasesTheOldBuffer)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    ASSERT_TRUE(load(1, first));
    ASSERT_TRUE(load(0, second));
    EXPECT_TRUE(playClip(0));
    // The new buffer is made before the old one goes, so that a failed
    // load could keep it; the clip under 1 is untouched.
    EXPECT_EQ(fake().calls, (Calls{"open", "create 1", "create 2", "create 3", "release 1", "play 3"}));
    EXPECT_EQ(fake().buffers[2].samples, std::vector<unsigned char>(second.begin() + 44, second.end()));
    EXPECT_TRUE(playClip(1));
    EXPECT_EQ(fake().calls.back(), "play 2");
}

TEST_F(SoundLayer, ShutdownReleasesEveryClipThenTheDevice)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    ASSERT_TRUE(load(3, second));
    ASSERT_TRUE(load(7, first));
    fake().calls.clear();
    shutdownSound();
    ASSERT_EQ(fake().calls.size(), 4u);
    EXPECT_EQ(fake().calls.back(), "close");
    for (const FakeSoundDevice::Buffer& buffer : fake().buffers) {
        EXPECT_TRUE(buffer.released) << "buffer " << buffer.id;
    }
    EXPECT_FALSE(fake().open);
    EXPECT_FALSE(playClip(0));
}

TEST_F(SoundLayer, ShutdownWithoutInitDoesNothing)
{
    shutdownSound();
    EXPECT_EQ(fake().calls, Calls{});
}

TEST_F(SoundLayer, ShutdownLeavesTheLayerAsNew)
{
    ASSERT_TRUE(initSound());
    ASSERT_TRUE(load(0, first));
    shutdownSound();
    shutdownSound();
    EXPECT_FALSE(playClip(0));
    EXPECT_TRUE(initSound()) << "opens a new device";
    EXPECT_EQ(fake().calls, (Calls{"open", "create 1", "release 1", "close", "open"}));
}

}  // namespace
