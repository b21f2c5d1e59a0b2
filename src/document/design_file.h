#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "document/design_document.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

inline constexpr std::size_t kDesignFileSize = 154298;
inline constexpr std::string_view kDesignFileHeader = "TC7350-01000100";
inline constexpr std::size_t kHeaderSize = 20;
inline constexpr std::size_t kMenusOffset = 20;
inline constexpr std::size_t kFormsOffset = 13390;
inline constexpr std::size_t kLookupsOffset = 113930;
inline constexpr std::size_t kReaderOffset = 120550;
inline constexpr std::size_t kSystemOffset = 121316;
inline constexpr std::size_t kReservedOffset = 122178;
inline constexpr std::size_t kReservedSize = 500;
inline constexpr std::size_t kDeviceTextsOffset = 122678;

inline constexpr int kMessageBadFormat = 2801;
inline constexpr int kMessageNewerVersion = 2802;

// What saving and opening need from around the document: the program texts (for messages), the
// host (to show them), and who is told that a path was used (the recent-file list, which also
// rewrites the INI file).
struct FileContext {
    const texts::ProgramTexts& texts;
    ui::Host& host;
    std::function<void(const std::string& path)> path_used;
};

// The 154,298 bytes that the design would be saved as (without deriving anything first).
std::vector<Byte> design_file_bytes(const DesignDocument& doc);

// 0 when the header is accepted, else the message text that rejects it (2801 or 2802).
int check_header(std::string_view header);

// Derives, then writes the design to `path` through a temporary file in the same folder that
// replaces the target only when every byte was written and flushed. On success the path is
// reported as used. Returns false on any failure; the previous file is then intact.
bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context);

// As above; on failure `reason` holds the operating system's error that stopped the save.
bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context,
                      std::error_code& reason);

// Reads `path` once, whole (all a design file holds: bytes behind it are not read), then checks
// it: a rejected header (2801/2802) or a file shorter than a design file (2801) shows the message
// and leaves the document unchanged. An accepted file is reported as used, read into the records,
// and the post-load fix-ups run.
bool open_design_file(DesignDocument& doc, const std::string& path, FileContext& context);

// Reads a whole design file image (at least kDesignFileSize bytes, header already accepted) into
// the document and applies the post-load fix-ups.
void load_design_file_bytes(DesignDocument& doc, const std::vector<Byte>& bytes,
                            const texts::ProgramTexts& texts);

}  // namespace tc
