// Stars and deep-sky objects of the sky globe as the views keep them in memory.
#pragma once

#include <cstdint>

struct Stars
{
    float RA;           // right ascension, degrees
    float Dec;          // declination, radians
    float Magnitude;    // apparent magnitude
    bool Flag;          // visible in the last globe pass; X, Y valid
    uint16_t X, Y;      // screen position of the last globe pass
    uint8_t NumConst;   // constellation number 1..89
    uint8_t NLink1;     // 1-based line partner within the constellation block, 0 = none
    uint8_t NLink2;     // second partner
    bool FConst;        // visible in the last constellation pass
    uint16_t XConst, YConst;  // position at the last constellation pass
};

struct NgcMessObj
{
    float RA;         // right ascension, degrees
    float Dec;        // declination, radians
    float Magnitude;  // apparent magnitude
    bool Flag;        // visible in the last pass and its mark is on screen
    uint16_t X, Y;    // screen position of the last pass
};
