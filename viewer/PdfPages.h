#pragma once
// Which pages of a tournament folder go into one PDF of the tournament, in
// which order.
#include <QString>
#include <QStringList>

namespace corvane::viewer {

// The leader board's file name in a tournament folder.
inline constexpr const char* leaderBoardPage = "tournament.html";

// The absolute paths of the pages of `folder`: the leader board first, then
// the pages of the folder it links to, in the order of `linkedFiles` (the
// teams in standings order, then those without games), then every other
// page of the folder by name, such as round sheets and schedules. Empty when
// the folder holds no leader board.
QStringList pdfPageOrder(const QString& folder, const QStringList& linkedFiles);

} // namespace corvane::viewer
