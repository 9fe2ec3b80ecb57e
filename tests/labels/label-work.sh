# Sourced by the label scripts: takes QUIRELLE and FIXTURE_DIR off the arguments (the rest is
# the label kind and its options), copies the fixtures into a scratch folder $work removed on
# exit, and gives expected_labels: the non-empty labels the kind prints, sorted.
quirelle=$1
fixtures=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$fixtures"/* "$work"/

expected_labels() { # kind and options
    "$quirelle" labels "$@" --dir "$work" | grep -v '^$' | sort
}
