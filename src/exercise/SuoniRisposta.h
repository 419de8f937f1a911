// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds that answer the pupil: the reward for a right answer, the mistake sound for a wrong one.
#pragma once

class StatoProgramma;
class SuonoFeedback;

namespace SuoniRisposta {
// The right-answer sound, when sounds are on.
void SuonaSi(StatoProgramma& stato, SuonoFeedback& suoni);
// The wrong-answer sound, when sounds are on and the character does not speak.
void SuonaNo(StatoProgramma& stato, SuonoFeedback& suoni, bool parlatoAttivo);
} // namespace SuoniRisposta
