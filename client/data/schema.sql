-- The nuvclient store: users and the tree of typed keys that makes up each user's record.
PRAGMA application_id = 1314215491;  -- "NUVC"
PRAGMA user_version = 1;

CREATE TABLE users (
    number INTEGER PRIMARY KEY CHECK (number BETWEEN 1 AND 4294967295),
    kind TEXT NOT NULL CHECK (kind IN ('owner', 'contact', 'group')),
    name TEXT NOT NULL
);
CREATE INDEX users_by_kind ON users (kind, number);
CREATE UNIQUE INDEX one_owner ON users (kind) WHERE kind = 'owner';

-- A key of a record has its name and pos 0; an element of a list has an empty name and its
-- index as pos. Lists and nested records hold no value; their members point at them.
CREATE TABLE fields (
    id INTEGER PRIMARY KEY,
    user INTEGER NOT NULL REFERENCES users (number) ON DELETE CASCADE,
    parent INTEGER REFERENCES fields (id) ON DELETE CASCADE,
    name TEXT NOT NULL DEFAULT '',
    pos INTEGER NOT NULL DEFAULT 0 CHECK (pos >= 0),
    type TEXT NOT NULL,
    value,  -- no declared type: values keep the storage class they were written with
    CHECK (CASE type
        WHEN 'i8' THEN typeof(value) = 'integer' AND value BETWEEN -128 AND 127
        WHEN 'u8' THEN typeof(value) = 'integer' AND value BETWEEN 0 AND 255
        WHEN 'i16' THEN typeof(value) = 'integer' AND value BETWEEN -32768 AND 32767
        WHEN 'u16' THEN typeof(value) = 'integer' AND value BETWEEN 0 AND 65535
        WHEN 'i32' THEN typeof(value) = 'integer' AND value BETWEEN -2147483648 AND 2147483647
        WHEN 'u32' THEN typeof(value) = 'integer' AND value BETWEEN 0 AND 4294967295
        WHEN 'bool' THEN typeof(value) = 'integer' AND value IN (0, 1)
        WHEN 'text' THEN typeof(value) = 'text'
        WHEN 'list' THEN value IS NULL
        WHEN 'record' THEN value IS NULL
        ELSE 0 END)
);
CREATE UNIQUE INDEX fields_by_slot ON fields (user, coalesce(parent, 0), name, pos);
CREATE INDEX fields_by_parent ON fields (parent);
