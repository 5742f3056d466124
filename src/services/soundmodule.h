#pragma once

#include "services/sound.h"

// The sound module, "velquan-sound.so": the output of effects on Qt Multimedia, kept apart so
// that neither the multimedia libraries nor the sound server's are loaded until the first
// sound plays. The sound service loads it then, in its audio thread.

inline constexpr char kSoundModuleName[] = "velquan-sound";
inline constexpr char kMakeEffectOutputSymbol[] = "VelquanMakeEffectOutput";

// The output of one PCM WAV file, made, played and destroyed in the audio thread, and never
// null: an unreadable file, or no sound server, gives silence.
extern "C" SoundPlayer* VelquanMakeEffectOutput(const QString& filePath);
using TMakeEffectOutput = decltype(&VelquanMakeEffectOutput);
