#!/bin/sh
# Makes the private copy of the SDK's frameworks that the module is built
# against, so that an SDK as its archive unpacks and one already prepared
# build alike, and the SDK itself is only ever read:
#   prepare-frameworks.sh SDK_FRAMEWORKS COPY FRAMEWORK...
# copies the SDK's settings/ and the named frameworks into COPY and runs the
# SDK's source processor over each copied framework, in the order given. Done
# once: COPY/prepared-from names the SDK and the frameworks, and a later run
# for the same reuses the copy.
set -eu
sdk=$1
copy=$2
shift 2
record="$copy/prepared-from"
wanted=$(printf '%s\n' "$sdk" "$@")
if [ -f "$record" ] && [ "$(cat "$record")" = "$wanted" ]; then
	exit 0
fi

echo "Copying the SDK's frameworks into $copy and running its source processor over them (a few minutes, once)"
rm -rf "$copy"
mkdir -p "$copy"
for folder in settings $(printf '%s.framework\n' "$@"); do
	[ -d "$sdk/$folder" ] || { echo "$sdk holds no $folder"; exit 1; }
	cp -R "$sdk/$folder" "$copy/"
done
chmod -R u+w "$copy"
for framework in "$@"; do
	log="$copy/sourceprocessor-$framework.log"
	if ! (cd "$copy/settings/sourceprocessor" &&
		PYTHONDONTWRITEBYTECODE=1 python3 sourceprocessor.py --singlethreaded "$copy/$framework.framework") > "$log" 2>&1; then
		tail -n 20 "$log"
		echo "the SDK's source processor failed on $framework.framework (log: $log)"
		exit 1
	fi
done
printf '%s\n' "$wanted" > "$record"
