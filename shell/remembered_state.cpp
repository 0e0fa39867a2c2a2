#include "shell/remembered_state.h"

#include "weld/materials.h"

#include <QRegularExpression>

namespace {

const QString keyX = QStringLiteral("window/x");
const QString keyY = QStringLiteral("window/y");
const QString keyWidth = QStringLiteral("window/width");
const QString keyHeight = QStringLiteral("window/height");
const QString keyMaximized = QStringLiteral("window/maximized");
const QString keyOpacity = QStringLiteral("window/opacity");
const QString keyKeepOnTop = QStringLiteral("window/keepOnTop");
const QString keyFamily = QStringLiteral("browser/family");
const QString keyStandard = QStringLiteral("browser/standard");
const QString keyScope = QStringLiteral("browser/searchScope");
const QString keyMaterial = QStringLiteral("weld/material");
const QString keyLength = QStringLiteral("takeOff/length");
const QString keyCount = QStringLiteral("takeOff/count");

constexpr int titleStripHeight = 32;
constexpr int grabWidth = 100; // of the title strip, to be left on a screen
constexpr int grabHeight = 16;
constexpr int largestExtent = 100000;
constexpr double largestTakeOff = 1e9;

std::optional<int> intValue(const QSettings& settings, const QString& key, int low, int high) {
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::Int) return {};
    bool ok = false;
    const int n = value.toString().toInt(&ok);
    if (!ok || n < low || n > high) return {};
    return n;
}

bool boolValue(const QSettings& settings, const QString& key) {
    return settings.value(key).toString() == QStringLiteral("true");
}

// A positive decimal number in the user's plain form ("12", "12.5"), at most 1e9.
bool isTakeOffNumber(const QString& text, bool whole) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,10}(\\.[0-9]{1,9})?$"));
    if (!pattern.match(text).hasMatch() || (whole && text.contains(QLatin1Char('.')))) return false;
    const double value = text.toDouble();
    return value > 0 && value <= largestTakeOff;
}

} // namespace

RememberedState readRememberedState(const QSettings& settings) {
    RememberedState state;
    if (settings.status() != QSettings::NoError) return state;

    const auto x = intValue(settings, keyX, -largestExtent, largestExtent);
    const auto y = intValue(settings, keyY, -largestExtent, largestExtent);
    const auto width = intValue(settings, keyWidth, 1, largestExtent);
    const auto height = intValue(settings, keyHeight, 1, largestExtent);
    if (x && y && width && height) state.geometry = QRect(*x, *y, *width, *height);
    state.maximized = state.geometry && boolValue(settings, keyMaximized);
    state.opacityPosition = intValue(settings, keyOpacity, 0, 155);
    state.keepOnTop = boolValue(settings, keyKeepOnTop);

    const auto family = intValue(settings, keyFamily, 1, 999999999);
    const auto standard = intValue(settings, keyStandard, 1, 999999999);
    if (family && standard) {
        state.familyId = *family;
        state.subtypeId = *standard;
    }
    state.searchAllStandards = settings.value(keyScope).toString() == QStringLiteral("all");

    const std::string material = settings.value(keyMaterial).toString().toStdString();
    for (const auto& [name, density] : materialTable()) {
        if (name == material) state.material = material;
    }
    const QString length = settings.value(keyLength).toString();
    if (isTakeOffNumber(length, false)) state.takeOffLength = length.toStdString();
    const QString count = settings.value(keyCount).toString();
    if (isTakeOffNumber(count, true)) state.takeOffCount = count.toStdString();
    return state;
}

void writeRememberedState(QSettings& settings, const RememberedState& state) {
    // Only keys whose text differs are set or removed: QSettings rewrites the file (two
    // fdatasync calls) at sync() whenever a key was touched, even with its stored value, and
    // an unchanged state, the usual case at exit, now leaves the file alone.
    auto setOrRemove = [&](const QString& key, bool present, const QVariant& value) {
        if (present) {
            if (!settings.contains(key) || settings.value(key).toString() != value.toString())
                settings.setValue(key, value);
        } else if (settings.contains(key)) {
            settings.remove(key);
        }
    };
    const QRect g = state.geometry.value_or(QRect());
    setOrRemove(keyX, state.geometry.has_value(), g.x());
    setOrRemove(keyY, state.geometry.has_value(), g.y());
    setOrRemove(keyWidth, state.geometry.has_value(), g.width());
    setOrRemove(keyHeight, state.geometry.has_value(), g.height());
    setOrRemove(keyMaximized, true, state.maximized);
    setOrRemove(keyOpacity, state.opacityPosition.has_value(), state.opacityPosition.value_or(0));
    setOrRemove(keyKeepOnTop, true, state.keepOnTop);
    setOrRemove(keyFamily, state.familyId > 0 && state.subtypeId > 0, state.familyId);
    setOrRemove(keyStandard, state.familyId > 0 && state.subtypeId > 0, state.subtypeId);
    setOrRemove(keyScope, true,
                state.searchAllStandards ? QStringLiteral("all") : QStringLiteral("current"));
    setOrRemove(keyMaterial, !state.material.empty(), QString::fromStdString(state.material));
    setOrRemove(keyLength, !state.takeOffLength.empty(),
                QString::fromStdString(state.takeOffLength));
    setOrRemove(keyCount, !state.takeOffCount.empty(), QString::fromStdString(state.takeOffCount));
    settings.sync();
}

std::optional<QRect> placeRememberedWindow(const QRect& stored, const QSize& minimum,
                                           const QList<QRect>& screens) {
    if (stored.width() <= 0 || stored.height() <= 0) return {};
    const QSize size = stored.size().expandedTo(minimum);
    for (const QRect& screen : screens) {
        const QRect strip =
            QRect(stored.topLeft(), QSize(size.width(), titleStripHeight)).intersected(screen);
        if (strip.width() < grabWidth || strip.height() < grabHeight) continue;
        QRect placed(stored.topLeft(), size.boundedTo(screen.size()).expandedTo(minimum));
        // A title strip partly above the screen's top edge comes down onto it.
        if (placed.top() < screen.top()) placed.moveTop(screen.top());
        return placed;
    }
    return {};
}

bool isStandardOfBarFamily(const CatalogueQueries& queries, int familyId, int subtypeId) {
    if (familyId <= 0 || subtypeId <= 0) return false;
    const TextGrid families = queries.familiesOfKind("1");
    bool barFamily = false;
    for (int r = 1; r < families.rowCount; ++r)
        barFamily = barFamily || families.cell(r, "ID") == std::to_string(familyId);
    if (!barFamily) return false;
    const TextGrid subtypes = queries.subtypesOfFamily(std::to_string(familyId));
    for (int r = 1; r < subtypes.rowCount; ++r) {
        if (subtypes.cell(r, "ID") == std::to_string(subtypeId)) return true;
    }
    return false;
}
