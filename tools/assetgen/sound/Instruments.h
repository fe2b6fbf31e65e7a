#pragma once
#include "tools/assetgen/sound/XmModule.h"

// The synthesised instruments the tunes are played with. Pitched instruments are tuned so
// that an XM note sounds at its equal-tempered pitch (A-4 = 440 Hz); drums play their
// sample at its own rate on C-4.

// Mixing rate the samples are made at (the game renders modules at this rate).
constexpr double kInstrumentRate = 22050.0;

XmInstrument MakeBass();   // round saw bass with a plucked brightness
XmInstrument MakeLead();   // pulse lead with a soft attack and delayed vibrato
XmInstrument MakePad();    // three detuned saws, slowly beating
XmInstrument MakeBell();   // FM bell pluck for arpeggios
XmInstrument MakeOrgan();  // drawbar organ with a slow wobble
XmInstrument MakePluck();  // plucked string for arpeggios
XmInstrument MakeFlute();  // soft flute with a breathy start
XmInstrument MakeKick();   // sine drop with a click
XmInstrument MakeSnare();  // noise burst over a short tone
XmInstrument MakeHat();    // bright short noise

// Sets RelativeNote and Finetune so that the sample, holding a tone of sampleHz when played
// at its own rate, sounds at true pitch for every note.
void TuneSample(XmSample& sample, double sampleHz);
