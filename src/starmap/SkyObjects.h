// Stars and deep-sky objects of the sky globe as the views keep them in memory: catalogue data
// only; where a frame drew them is kept beside the catalogue (SkyFrame.h).
#pragma once

#include <cstdint>

struct Stars
{
    float RA;         // right ascension, degrees
    float Dec;        // declination, radians
    float Magnitude;  // apparent magnitude
    uint8_t NumConst; // constellation number 1..89
    uint8_t NLink1;   // 1-based line partner within the constellation block, 0 = none
    uint8_t NLink2;   // second partner
};

struct NgcMessObj
{
    float RA;        // right ascension, degrees
    float Dec;       // declination, radians
    float Magnitude; // apparent magnitude
};
