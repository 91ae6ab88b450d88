// The editor interface that the dispatchers forward editor opcodes to, and
// the records passed to it.
#pragma once

#include "aeffect.h"

class AudioEffect;

struct ERect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

struct VstKeyCode {
    VstInt32 character;
    unsigned char virt;
    unsigned char modifier;
};

static_assert(sizeof(ERect) == 8);
static_assert(sizeof(VstKeyCode) == 8);
static_assert(offsetof(VstKeyCode, character) == 0);
static_assert(offsetof(VstKeyCode, virt) == 4);
static_assert(offsetof(VstKeyCode, modifier) == 5);

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect) noexcept : effect(effect) {}
    virtual ~AEffEditor() = default;

    virtual AudioEffect* getEffect() noexcept { return effect; }
    // An editor stores the address of its rectangle through rect and answers true.
    virtual bool getRect(ERect** /*rect*/) noexcept { return false; }
    virtual bool open(void* parentWindow) noexcept {
        systemWindow = parentWindow;
        return true;
    }
    virtual void close() noexcept { systemWindow = nullptr; }
    virtual bool isOpen() noexcept { return systemWindow != nullptr; }
    virtual void idle() noexcept {}
    virtual bool onKeyDown(VstKeyCode& /*keyCode*/) noexcept { return false; }
    virtual bool onKeyUp(VstKeyCode& /*keyCode*/) noexcept { return false; }
    virtual bool onWheel(float /*distance*/) noexcept { return false; }
    virtual bool setKnobMode(VstInt32 /*mode*/) noexcept { return false; }

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};
