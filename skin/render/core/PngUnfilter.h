#pragma once
// Reverses the five PNG row filters (None, Sub, Up, Average, Paeth) in place.
#include <cstddef>
#include <cstdint>

// row: the row's bytes after its filter byte; prior: the previous row of the
// same pass, already unfiltered, or nullptr for the first row (taken as
// zeros). bytesPerPixel: bytes of one whole pixel, at least 1.
// Returns false for a filter type above 4.
bool UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, int bytesPerPixel);
