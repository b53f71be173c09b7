#version 120

uniform sampler2D iSrc;
uniform sampler2D iDst;
uniform float iFade;

void main()
{
	vec2 st = gl_TexCoord[0].st;
	gl_FragColor = mix(texture2D(iSrc, st), texture2D(iDst, st), iFade) // no semicolon
}