// Replaced by the system access layer.
