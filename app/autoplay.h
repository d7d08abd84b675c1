// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Form1;

namespace numora {
class Module1;
}
namespace record {
class Record;
}

namespace numora {

// For tests of the real program only. With NUMORA_TEST_AUTOPLAY=N set, the
// program plays N matches by itself (0: until it is stopped) through its own
// window, as a player does: it clicks the digit and sign pads, answers YES in
// each outcome dialog and OK in each message box, sometimes gives a wrong
// answer or leaves a match for a new one, and after the last match chooses
// Exit. Its own random draws come from NUMORA_TEST_AUTOPLAY_SEED (else the
// clock). It prints, one line each and flushed at once:
//   recorded ID ENDING ROUNDS COMPUTERSECRET PLAYERSECRET|- GUESSES GUESSES
//                     a match is committed to the record (the player's guesses,
//                     then the computer's, as NUMBER:PLUS,MINUS/...; - for none)
//   played ENDING SECRET GUESSES   an outcome is on screen (after its dialog or
//                     message has shown); the player's secret and guesses
//   abandoned SECRET GUESSES       New was chosen in the middle of a match
//   message TEXT       a message box was answered (lines joined by " | ")
void autoplaywhenasked(Form1 &form, Module1 &engine, record::Record &record);

} // namespace numora
