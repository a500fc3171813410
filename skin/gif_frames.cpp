#include "skin/gif_frames.h"

#include <optional>

namespace tesh {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kScreenDescriptorSize = 7;
constexpr std::size_t kImageDescriptorSize = 9;  // without its introducer
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageIntroducer = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kColorTableFlag = 0x80;
constexpr uint8_t kColorTableSizeMask = 0x07;
constexpr int kHundredthsToMs = 10;
constexpr uint8_t kVersion89a[kHeaderSize] = {'G', 'I', 'F', '8', '9', 'a'};

class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Offset() const { return at_; }
    bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    uint8_t Byte() { return bytes_[at_++]; }
    int Word() {
        int v = bytes_[at_] | (bytes_[at_ + 1] << 8);
        at_ += 2;
        return v;
    }
    void Skip(std::size_t n) { at_ += n; }
    std::span<const uint8_t> Since(std::size_t start) const {
        return bytes_.subspan(start, at_ - start);
    }
    // Skips a chain of data sub-blocks through its zero-length terminator.
    bool SkipSubBlocks() {
        while (Has(1)) {
            uint8_t n = Byte();
            if (n == 0) return true;
            if (!Has(n)) return false;
            Skip(n);
        }
        return false;
    }

  private:
    std::span<const uint8_t> bytes_;
    std::size_t at_ = 0;
};

std::size_t ColorTableBytes(uint8_t packed) {
    if (!(packed & kColorTableFlag)) return 0;
    return 3u << ((packed & kColorTableSizeMask) + 1);
}

void Append(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void AppendWord(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

struct Screen {
    uint8_t packed = 0;
    uint8_t background = 0;
    uint8_t aspect = 0;
    std::span<const uint8_t> colorTable;
};

// One image block, read from just after its introducer, rebuilt as a whole GIF.
std::optional<GifFrame> ReadFrame(Reader& r, const Screen& screen, std::span<const uint8_t> control,
                                  int delayMs) {
    if (!r.Has(kImageDescriptorSize)) return std::nullopt;
    GifFrame frame;
    frame.left = r.Word();
    frame.top = r.Word();
    frame.width = r.Word();
    frame.height = r.Word();
    uint8_t packed = r.Byte();
    std::size_t tableStart = r.Offset();
    if (!r.Has(ColorTableBytes(packed) + 1)) return std::nullopt;
    r.Skip(ColorTableBytes(packed) + 1);  // local colour table and LZW code size
    if (!r.SkipSubBlocks()) return std::nullopt;
    frame.delayMs = delayMs;

    std::vector<uint8_t>& out = frame.image;
    Append(out, kVersion89a);
    AppendWord(out, frame.width);
    AppendWord(out, frame.height);
    out.push_back(screen.packed);
    out.push_back(screen.background);
    out.push_back(screen.aspect);
    Append(out, screen.colorTable);
    Append(out, control);
    out.push_back(kImageIntroducer);
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, frame.width);
    AppendWord(out, frame.height);
    out.push_back(packed);
    Append(out, r.Since(tableStart));
    out.push_back(kTrailer);
    return frame;
}

}  // namespace

bool IsGif(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F';
}

GifAnimation SplitGif(std::span<const uint8_t> bytes) {
    GifAnimation gif;
    Reader r(bytes);
    if (!IsGif(bytes) || !r.Has(kHeaderSize + kScreenDescriptorSize)) return gif;
    r.Skip(kHeaderSize);
    gif.width = r.Word();
    gif.height = r.Word();
    Screen screen;
    screen.packed = r.Byte();
    screen.background = r.Byte();
    screen.aspect = r.Byte();
    std::size_t tableStart = r.Offset();
    if (!r.Has(ColorTableBytes(screen.packed))) return gif;
    r.Skip(ColorTableBytes(screen.packed));
    screen.colorTable = r.Since(tableStart);

    // The graphic control block that applies to the next image.
    std::span<const uint8_t> control;
    int delayMs = kDefaultFrameDelayMs;
    while (r.Has(1) && gif.frames.size() < kMaxGifFrames) {
        std::size_t blockStart = r.Offset();
        uint8_t introducer = r.Byte();
        if (introducer == kTrailer) {
            gif.complete = true;
            return gif;
        }
        if (introducer == kExtensionIntroducer) {
            if (!r.Has(1)) return gif;
            uint8_t label = r.Byte();
            std::size_t dataStart = r.Offset();
            if (!r.SkipSubBlocks()) return gif;
            if (label == kGraphicControlLabel) {
                Reader c(r.Since(dataStart));
                // Block size 4: flags, delay in hundredths of a second, transparent index.
                if (c.Has(4) && c.Byte() >= 3) {
                    c.Skip(1);
                    int hundredths = c.Word();
                    delayMs = hundredths > 0 ? hundredths * kHundredthsToMs : kDefaultFrameDelayMs;
                    control = r.Since(blockStart);
                }
            }
        } else if (introducer == kImageIntroducer) {
            std::optional<GifFrame> frame = ReadFrame(r, screen, control, delayMs);
            if (!frame) return gif;
            gif.frames.push_back(std::move(*frame));
            control = {};
            delayMs = kDefaultFrameDelayMs;
        } else {
            return gif;
        }
    }
    return gif;
}

}  // namespace tesh
