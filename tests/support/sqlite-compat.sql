-- What the tests' own statements ask of the embedded file's SQL that a
-- PostgreSQL server lacks; loaded into the template database of the server
-- run only, never into a firm of the program.

-- A value as the embedded file shows it: numbers 7, 2.5, 3.0.
CREATE FUNCTION tarvo_shown(value anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE WHEN pg_typeof(value) <> 'numeric'::regtype OR position('.' IN value::text) = 0 THEN value::text
              ELSE regexp_replace(regexp_replace(value::text, '0+$', ''), '\.$', '.0') END $$;

CREATE FUNCTION tarvo_concat(so_far text, value anyelement, separator text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE WHEN value IS NULL THEN so_far WHEN so_far IS NULL THEN tarvo_shown(value)
              ELSE so_far || separator || tarvo_shown(value) END $$;
CREATE FUNCTION tarvo_concat(so_far text, value anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT tarvo_concat(so_far, value, ',') $$;
CREATE AGGREGATE group_concat(anyelement) (SFUNC = tarvo_concat, STYPE = text);
CREATE AGGREGATE group_concat(anyelement, text) (SFUNC = tarvo_concat, STYPE = text);

-- A number joined to a text reads as the file shows it.
CREATE FUNCTION tarvo_number_text(number numeric, text text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT tarvo_shown(number) || text $$;
CREATE FUNCTION tarvo_text_number(text text, number numeric) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT text || tarvo_shown(number) $$;
CREATE OPERATOR || (LEFTARG = numeric, RIGHTARG = text, FUNCTION = tarvo_number_text);
CREATE OPERATOR || (LEFTARG = text, RIGHTARG = numeric, FUNCTION = tarvo_text_number);
-- Whole numbers keep the server's own joining, which the two above would make ambiguous.
DO $$
DECLARE whole text;
BEGIN
  FOREACH whole IN ARRAY ARRAY['smallint', 'integer', 'bigint'] LOOP
    EXECUTE format('CREATE FUNCTION tarvo_whole_text(number %1$s, text text) RETURNS text LANGUAGE sql '
                   'IMMUTABLE AS $f$ SELECT number::text || text $f$', whole);
    EXECUTE format('CREATE FUNCTION tarvo_text_whole(text text, number %1$s) RETURNS text LANGUAGE sql '
                   'IMMUTABLE AS $f$ SELECT text || number::text $f$', whole);
    EXECUTE format('CREATE OPERATOR || (LEFTARG = %1$s, RIGHTARG = text, FUNCTION = tarvo_whole_text)', whole);
    EXECUTE format('CREATE OPERATOR || (LEFTARG = text, RIGHTARG = %1$s, FUNCTION = tarvo_text_whole)', whole);
  END LOOP;
END $$;

-- printf('%.2f', x): the only form the tests use.
CREATE FUNCTION printf(format text, value numeric) RETURNS text LANGUAGE sql IMMUTABLE AS $$
  SELECT round(value, substring(format FROM '%\.(\d+)f')::int)::text $$;
