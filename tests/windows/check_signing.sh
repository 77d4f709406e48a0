#!/usr/bin/env bash
# Signing, with a throw-away self-signed certificate made here: the exe, setup and MSI that
# scripts/windows built unsigned carry no signature; copies signed by scripts/windows-sign
# verify against the certificate, and one changed byte breaks each signature.
# Usage: check_signing.sh SOURCE-DIR WINDOWS-BUILD-DIR VERSION
set -euo pipefail
top=$1
build=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=(scribblewick.exe "scribblewick-$version-win64-setup.exe" "scribblewick-$version-win64.msi")

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Scribblewick test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.pfx" \
  -passout pass:throw-away
for f in "${files[@]}"; do
  rm -f "$work/signature" # osslsigncode writes only to a file that is not there yet
  if osslsigncode extract-signature -in "$build/$f" -out "$work/signature" >/dev/null 2>&1; then
    echo "$f is signed, though no certificate was given"; exit 1
  fi
  cp "$build/$f" "$work/$f"
done

(cd "$work" && SCRIBBLEWICK_SIGN_PFX="$work/signer.pfx" SCRIBBLEWICK_SIGN_PASSWORD=throw-away \
  "$top/scripts/windows-sign" "${files[@]}")
for f in "${files[@]}"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$f" >"$work/verify.log" 2>&1 ||
    { cat "$work/verify.log"; echo "$f: the signature does not verify"; exit 1; }
  # A byte changed in the middle of what the signature covers.
  size=$(stat -c %s "$work/$f")
  byte=$(od -An -tu1 -j $((size / 2)) -N1 "$work/$f")
  printf "\\$(printf %03o $(((byte + 1) % 256)))" |
    dd of="$work/$f" bs=1 seek=$((size / 2)) conv=notrunc 2>/dev/null
  if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$f" >/dev/null 2>&1; then
    echo "$f: the signature still verifies after a change"; exit 1
  fi
done
echo "signing: ok"
