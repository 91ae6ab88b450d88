// Records that effects and hosts exchange by pointer. The framework only
// passes them along, so they are declared without members.
#pragma once

struct VstTimeInfo;
struct VstEvents;
struct VstParameterProperties;
struct VstPinProperties;
struct VstPatchChunkInfo;
struct VstVariableIo;
struct VstAudioFile;
struct VstOfflineTask;
struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
