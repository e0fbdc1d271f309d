// The graphics subsystem: console palettes and the uniform preview figure.
