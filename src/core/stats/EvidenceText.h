// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "core/stats/Evidence.h"

// The live evidence in plain words.

namespace orvanta {

// "Evidence against a fair wheel: 7.4 (alarm at 20)".
std::string EvidenceHeadline(const EvidenceReport& report);

// Which family and which number, arc or classification carry it, and what the
// figure means now: "Carried by the single numbers, most by 17. ...".
std::string EvidenceDetail(const EvidenceReport& report);

// The family's name as the carrier text and the CSV write it: "the single numbers".
std::string EvidenceFamilyName(EvidenceFamily family);

// What carries the family's figure most: "17", "the arc 17 34 6", "High/Low (H)";
// empty for the 37 numbers together and with no spins.
std::string EvidenceCarrierText(const FamilyEvidence& family);

}  // namespace orvanta
