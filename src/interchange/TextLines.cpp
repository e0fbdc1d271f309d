// The interchange subsystem: player, team and project files and the reports.
