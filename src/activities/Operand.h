#pragma once

// A pseudo-random integer from 1 to maxOperand, every value equally likely, drawn from the
// runtime's rand() by rejection. rand() spans far more than a sum's operands, so each draw is
// first cut down to the smallest power-of-two range that holds maxOperand (from the
// generator's high bits); values outside 1..maxOperand are thrown away and drawn again.
int drawOperand(int maxOperand);
