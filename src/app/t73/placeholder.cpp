// STUB: keeps t73_lib non-empty until the tool's commands land.
