#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/sounds.h"
#include "resources/ids.h"
#include "tests/assets/asset_reader.h"

namespace {

struct Chunk {
    std::string tag;
    size_t body;  // offset of the chunk's contents
    uint32_t size;
};

// The chunks inside RIFF/WAVE, walking the pad bytes after odd sizes; stops
// at the first chunk that would reach past the end of the file.
std::vector<Chunk> Chunks(const AssetFile& file, size_t from, size_t end) {
    std::vector<Chunk> chunks;
    size_t at = from;
    while (at + 8 <= end) {
        const Chunk chunk{file.Tag(at), at + 8, file.U32(at + 4)};
        if (chunk.body + chunk.size > end) {
            ADD_FAILURE() << chunk.tag << " at " << at << " runs past the end";
            break;
        }
        chunks.push_back(chunk);
        at = chunk.body + chunk.size + chunk.size % 2;
    }
    EXPECT_EQ(at, end) << "bytes left over after the last chunk";
    return chunks;
}

std::vector<Chunk> WaveChunks(const AssetFile& file) {
    EXPECT_EQ(file.Tag(0), "RIFF");
    EXPECT_EQ(file.U32(4) + 8, file.size());
    EXPECT_EQ(file.Tag(8), "WAVE");
    return Chunks(file, 12, file.size());
}

std::vector<std::string> Tags(const std::vector<Chunk>& chunks) {
    std::vector<std::string> tags;
    for (const Chunk& chunk : chunks) tags.push_back(chunk.tag);
    return tags;
}

// PCM, mono, 8 bits: format tag, channels, rate, bytes per second, block
// align, bits per sample.
void ExpectMonoEightBitPcm(const AssetFile& file, const Chunk& format, uint32_t rate) {
    EXPECT_EQ(file.U16(format.body), 1u);
    EXPECT_EQ(file.U16(format.body + 2), 1u);
    EXPECT_EQ(file.U32(format.body + 4), rate);
    EXPECT_EQ(file.U32(format.body + 8), rate);
    EXPECT_EQ(file.U16(format.body + 12), 1u);
    EXPECT_EQ(file.U16(format.body + 14), 8u);
}

TEST(LockSoundWave, FormatFactAndDataOf1539SamplesAt11025Hz) {
    const AssetFile file = ReadAsset("wave110.wav");
    ASSERT_GT(file.size(), 12u);
    const std::vector<Chunk> chunks = WaveChunks(file);
    ASSERT_EQ(Tags(chunks), (std::vector<std::string>{"fmt ", "fact", "data"}));
    EXPECT_EQ(chunks[0].size, 16u);
    ExpectMonoEightBitPcm(file, chunks[0], 11025);
    EXPECT_EQ(chunks[1].size, 4u);
    EXPECT_EQ(file.U32(chunks[1].body), 1539u);
    EXPECT_EQ(chunks[2].size, 1539u);
    EXPECT_FALSE(file.overrun);
}

TEST(RowSoundWave, EighteenByteFormatFactDataOf671SamplesAt8000HzThenInfo) {
    const AssetFile file = ReadAsset("wave111.wav");
    ASSERT_GT(file.size(), 12u);
    const std::vector<Chunk> chunks = WaveChunks(file);
    ASSERT_GE(chunks.size(), 4u);
    EXPECT_EQ(chunks[0].tag, "fmt ");
    EXPECT_EQ(chunks[0].size, 18u);
    ExpectMonoEightBitPcm(file, chunks[0], 8000);
    EXPECT_EQ(file.U16(chunks[0].body + 16), 0u);  // empty extension
    EXPECT_EQ(chunks[1].tag, "fact");
    EXPECT_EQ(file.U32(chunks[1].body), 671u);
    EXPECT_EQ(chunks[2].tag, "data");
    EXPECT_EQ(chunks[2].size, 671u);

    // Descriptive chunks follow the data: a LIST of INFO texts.
    EXPECT_EQ(chunks[3].tag, "LIST");
    EXPECT_EQ(file.Tag(chunks[3].body), "INFO");
    const std::vector<Chunk> texts = Chunks(file, chunks[3].body + 4, chunks[3].body + chunks[3].size);
    ASSERT_FALSE(texts.empty());
    for (const Chunk& text : texts) {
        EXPECT_EQ(text.tag[0], 'I') << text.tag;
        EXPECT_EQ(file.U8(text.body + text.size - 1), 0u) << text.tag << " is zero-terminated";
    }
    EXPECT_FALSE(file.overrun);
}

TEST(SoundWaves, StartAndEndInSilenceAndAreClearlyAudible) {
    for (const char* name : {"wave110.wav", "wave111.wav"}) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        const std::vector<Chunk> chunks = WaveChunks(file);
        ASSERT_GE(chunks.size(), 3u);
        const Chunk& data = chunks[2];
        ASSERT_EQ(data.tag, "data");
        // No click at either end: unsigned 8-bit silence is 128.
        EXPECT_EQ(file.U8(data.body), 128u);
        EXPECT_EQ(file.U8(data.body + data.size - 1), 128u);
        int peak = 0;
        for (size_t i = 0; i < data.size; ++i) {
            const int deviation = std::abs(static_cast<int>(file.U8(data.body + i)) - 128);
            peak = std::max(peak, deviation);
        }
        EXPECT_GE(peak, 48);
        EXPECT_FALSE(file.overrun);
    }
}

// What every player of the samples reads from the program's own files.
TEST(SoundSamples, ReadFromTheProgramsOwnWaves) {
    const SoundSamples lock = SamplesOfSound(IDR_LOCK_SOUND);
    EXPECT_EQ(lock.rate, 11025u);
    EXPECT_EQ(lock.channels, 1);
    EXPECT_EQ(lock.samples.size(), 1539u);
    // The row sound's descriptive chunk after its data is not sound.
    const SoundSamples row = SamplesOfSound(IDR_ROW_SOUND);
    EXPECT_EQ(row.rate, 8000u);
    EXPECT_EQ(row.samples.size(), 671u);
    EXPECT_TRUE(SamplesOfSound(IDR_HAND_CURSOR).samples.empty());

    SoundSamples sound;
    Bytes cut = RowSoundWav();
    cut.resize(60);
    EXPECT_FALSE(ReadWave(cut, sound));
    Bytes wide = LockSoundWav();
    wide[12 + 8 + 14] = 16;  // 16 bits a sample
    EXPECT_FALSE(ReadWave(wide, sound));
}

}  // namespace
