// Replaced by the hive reader and writer.
