#include "names.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>

std::string flagNames(VstInt32 flags) {
    static const std::array<std::pair<VstInt32, const char*>, 11> names{{
        {effFlagsHasEditor, "effFlagsHasEditor"},
        {effFlagsHasClip, "effFlagsHasClip"},
        {effFlagsHasVu, "effFlagsHasVu"},
        {effFlagsCanMono, "effFlagsCanMono"},
        {effFlagsCanReplacing, "effFlagsCanReplacing"},
        {effFlagsProgramChunks, "effFlagsProgramChunks"},
        {effFlagsIsSynth, "effFlagsIsSynth"},
        {effFlagsNoSoundInStop, "effFlagsNoSoundInStop"},
        {effFlagsExtIsAsync, "effFlagsExtIsAsync"},
        {effFlagsExtHasBuffer, "effFlagsExtHasBuffer"},
        {effFlagsCanDoubleReplacing, "effFlagsCanDoubleReplacing"},
    }};
    std::string text;
    const auto add = [&text](const std::string& name) { text += (text.empty() ? "" : " ") + name; };
    for (const auto& [bit, name] : names) {
        if (flags & bit) add(name);
    }
    if (const VstInt32 unknown = flags & ~kKnownFlags) {
        char hex[32];
        std::snprintf(hex, sizeof hex, "unknown 0x%08X", static_cast<unsigned>(unknown));
        add(hex);
    }
    return text.empty() ? "none" : text;
}

std::string categoryName(VstIntPtr category) {
    static const std::array<const char*, 12> names{
        "unknown",     "effect",          "synth",       "analysis",
        "mastering",   "spatializer",     "room effect", "surround effect",
        "restoration", "offline process", "shell",       "generator"};
    if (category < 0 || category >= static_cast<VstIntPtr>(names.size())) {
        return "unknown category";
    }
    return names[static_cast<std::size_t>(category)];
}

std::string fourCharText(VstInt32 code) {
    std::string text = "'";
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>(static_cast<std::uint32_t>(code) >> shift);
        if (std::isprint(c)) {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text + "'";
}

std::string shortestText(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
