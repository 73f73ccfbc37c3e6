// The fixed explanations shown by the text display window: the parameters of
// the depth-of-field table and their limits, and the notes on the two ways of
// focusing a close distance in the variations calculator.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace optolune {

struct Explanation {
    QString caption;
    int width = 0;  // the window's size in pixels
    int height = 0;
    QStringList lines;
};

// The window size the explanation window is designed with.
inline constexpr int ExplanationDesignWidth = 453;
inline constexpr int ExplanationDesignHeight = 340;

// The explanation named by `tag`: "table" or "calcprofisol", compared exactly
// (case included). nullopt for any other tag.
std::optional<Explanation> ComposeExplanation(const QString &tag);

} // namespace optolune
