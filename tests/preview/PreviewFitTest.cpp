#include "preview/PreviewFit.h"

#include <gtest/gtest.h>

TEST(FitPreview, WholePhotoUprightInTheBox)
{
    const struct { QSize stored; int orientation; QSize box, fitted; } cases[] = {
        {{6000, 4000}, 1, {133, 105}, {133, 89}},  // landscape: the width decides
        {{3000, 4000}, 1, {133, 105}, {79, 105}},  // portrait: the height decides
        {{40000, 40}, 1, {133, 105}, {133, 1}},    // never below one pixel
        {{8, 6}, 1, {133, 105}, {133, 100}},       // a tiny image is enlarged
        {{6000, 4000}, 4, {133, 105}, {133, 89}},  // mirrored or half turned: same size
        {{6000, 4000}, 5, {133, 105}, {70, 105}},  // quarter turns stand it up
        {{6000, 4000}, 8, {133, 105}, {70, 105}},
        {{6000, 4000}, 9, {133, 105}, {133, 89}},  // an invalid value shows it as stored
        {{6000, 4000}, 6, {266, 210}, {140, 210}}, // a grown box (or a denser screen)
        {{0, 4000}, 1, {133, 105}, {}},
        {{6000, 4000}, 1, {0, 105}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitPreview(c.stored, c.orientation, c.box), c.fitted)
            << c.stored.width() << " x " << c.stored.height() << " orientation " << c.orientation;
}
